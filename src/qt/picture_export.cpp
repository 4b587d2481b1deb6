// The clipboard takes the PNG's own bytes as image/png, so that what is pasted is the picture's
// pixels and not a copy the toolkit encoded again; a file is written whole or not at all.
#include "qt/picture_export.h"

#include "canvas/message_box.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMimeData>
#include <QSaveFile>
#include <QStandardPaths>

namespace qt {
namespace {

std::string askWithDialog(const std::string& suggestedName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString path = QFileDialog::getSaveFileName(nullptr, QStringLiteral("Save picture"),
                                                      QDir(folder).filePath(QString::fromStdString(suggestedName)),
                                                      QStringLiteral("PNG image (*.png)"));
    return path.toStdString();
}

SavePathChooser& chooser()
{
    static SavePathChooser current = askWithDialog;
    return current;
}

}  // namespace

void CopyPngToClipboard(const std::vector<std::uint8_t>& png)
{
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/png"),
                  QByteArray(reinterpret_cast<const char*>(png.data()), static_cast<qsizetype>(png.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}

void CopyTextToClipboard(const std::string& text)
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

SavePathChooser SetSavePathChooser(SavePathChooser replacement)
{
    std::swap(chooser(), replacement);
    return replacement;
}

void SavePng(const std::string& suggestedName, const std::vector<std::uint8_t>& png)
{
    if (png.empty())
        return;
    const std::string path = chooser()(suggestedName);
    if (path.empty())
        return;
    QSaveFile file(QString::fromStdString(path));
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(reinterpret_cast<const char*>(png.data()), static_cast<qint64>(png.size())) ==
                             static_cast<qint64>(png.size()) &&
                         file.commit();
    if (!written)
        surface::MsgBox("The picture could not be saved as " + path + ": " + file.errorString().toStdString());
}

}  // namespace qt
