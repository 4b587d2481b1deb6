// The introduction and theory windows: start-up layout on any screen, handlers, text and reloading.
#include "surface/twips.h"
#include "window_support.h"
#include "windows/aktinon_sxedio.h"
#include "windows/expalanations.h"
#include "windows/introd.h"
#include "windows/square_riza.h"
#include "windows/startup.h"
#include "windows/theory_text.h"

#include <QApplication>
#include <QFontMetrics>
#include <QScreen>

namespace {

using shell::EXPALANATIONS;
using shell::INTROD;

TEST(Introduction, StartUpCoversTheScreenAndPutsStartUnderEnd)
{
    shell::StartUp();
    INTROD& introd = INTROD::instance();
    EXPECT_EQ(introd.Width(), 15360);
    EXPECT_EQ(introd.Height(), 11520);
    EXPECT_EQ(introd.Left(), 0);
    EXPECT_EQ(introd.Top(), 0);
    INTROD::Controls& c = introd.controls();
    EXPECT_EQ(c.Command2->Top(), 1932);
    EXPECT_EQ(c.Command2->Left(), 1560);
    EXPECT_EQ(c.Command2->Width(), 1575);
    EXPECT_EQ(c.Command2->Height(), 735);
    EXPECT_TRUE(c.Option2->Value());
    EXPECT_FALSE(c.Option1->Value());
    EXPECT_TRUE(introd.window()->isVisible());
    EXPECT_EQ(introd.window()->frameGeometry().size(), QSize(1024, 768));
    EXPECT_EQ(c.Command2->widget()->geometry(), QRect(104, 129, 105, 49));
    EXPECT_EQ(c.Command1->Caption(), "END");
    EXPECT_EQ(c.Command3->Caption(), "EXPLANATIONS");
}

// Every control of a window has a place of its own size, none negative.
void expectSound(surface::Form& form)
{
    for (const QWidget* widget : form.window()->findChildren<QWidget*>()) {
        EXPECT_GE(widget->width(), 0);
        EXPECT_GE(widget->height(), 0);
    }
}

TEST(EveryScreen, AllFourWindowsLayOutAsTheirTablesGive)
{
    const QSize screens[] = {{640, 480}, {1024, 768}, {1920, 1080}, {3840, 2160}, {768, 1024}};
    for (const QSize screen : screens) {
        SCOPED_TRACE(std::to_string(screen.width()) + "x" + std::to_string(screen.height()));
        surface::SetScreenSizeForTesting(screen.width(), screen.height());
        const float H = screen.height() * 15.0f;

        shell::StartUp();
        INTROD& introd = INTROD::instance();
        EXPECT_EQ(introd.Width(), screen.width() * 15.0f);
        EXPECT_EQ(introd.window()->frameGeometry().size(), screen);
        EXPECT_EQ(introd.controls().Command2->Top(), 1932);
        expectSound(introd);

        introd.Command3_Click();
        EXPECT_EQ(EXPALANATIONS::instance().window()->frameGeometry().size(), screen);
        EXPECT_EQ(EXPALANATIONS::instance().controls().Picture2->Left(), 13080);
        expectSound(EXPALANATIONS::instance());

        sorvel_kampyles::ShowLinearCase();
        linear::aktinon_sxedio& sorvel = linear::aktinon_sxedio::instance();
        const auto& l = sorvel.controls();
        EXPECT_EQ(sorvel.window()->frameGeometry().size(), screen);
        EXPECT_EQ(l.eikona->Width(), H);
        EXPECT_EQ(l.eikona->Height(), H);
        EXPECT_EQ(l.eikona->raster().image().width(), l.eikona->raster().image().height());
        struct Expected {
            surface::Control* control;
            float left, top, width, height;
        };
        const Expected linearTable[] = {
            {l.eikona.get(), 0, 0, H, H},
            {l.Option1.get(), H, 0, 2055, 615},
            {l.Option2.get(), H, 615, 1935, 615},
            {l.Check1.get(), H, 1230, 2535, 735},
            {l.XRONOS.get(), H, 1965, 375, 4695},
            {l.Check2.get(), H + 1230, 1965, 2175, 735},
            {l.Command1.get(), H + 1230, 2700, 1452, 492},
            {l.Command2.get(), H + 1230, 3192, 1452, 492},
            {l.Command3.get(), H + 1230, 3684, 1452, 615},
            {l.Command4.get(), H + 1230, 4299, 1452, 615},
            {l.Command6.get(), H + 1230, 4914, 1452, 492},
            {l.Command5.get(), H + 1230, 5406, 1452, 492},
            {l.VScroll1.get(), H + 2682, 5406, 375, 2775},
            {l.Label1.get(), H + 1230, 8181, 1335, 735},
        };
        for (const Expected& e : linearTable) {
            EXPECT_EQ(e.control->Left(), e.left);
            EXPECT_EQ(e.control->Top(), e.top);
            EXPECT_EQ(e.control->Width(), e.width);
            EXPECT_EQ(e.control->Height(), e.height);
        }
        expectSound(sorvel);

        sorvel_kampyles::ShowSquareRootCase();
        square_root::SQUARE_RIZA& riza = square_root::SQUARE_RIZA::instance();
        const auto& q = riza.controls();
        EXPECT_EQ(riza.window()->frameGeometry().size(), screen);
        EXPECT_EQ(q.SOURA1->Width(), H);
        EXPECT_EQ(q.SOURA1->Height(), H);
        EXPECT_EQ(q.SOURA1->raster().image().width(), q.SOURA1->raster().image().height());
        const surface::Control* column[] = {q.Command1.get(), q.Command2.get(),   q.Command3.get(),    q.Command4.get(),
                                            q.Command5.get(), q.starttimer.get(), q.CONTINUETIME.get()};
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(column[i]->Left(), H);
            EXPECT_NEAR(column[i]->Top(), 2532 + i * H / 12, 0.01);
            EXPECT_EQ(column[i]->Width(), H / 4);
            EXPECT_EQ(column[i]->Height(), H / 12);
        }
        EXPECT_EQ(q.XRONOS->Left(), H);
        EXPECT_EQ(q.XRONOS->Top(), 0);
        EXPECT_EQ(q.Picture1->Left(), H + 252);
        EXPECT_EQ(q.Picture1->Top(), 0);
        EXPECT_EQ(q.HScroll1->Left(), H + 252);
        EXPECT_EQ(q.Text1->Left(), H + 252 + 1935);
        EXPECT_EQ(q.Text1->Top(), q.HScroll1->Top());
        expectSound(riza);
    }
    surface::SetScreenSizeForTesting(1024, 768);
}

TEST(Introduction, ClosingByTheFrameAndReopeningBringsBackDesignValues)
{
    shell::StartUp();
    INTROD::instance().controls().Option1->SetValue(true);
    INTROD::instance().CloseByFrame();
    EXPECT_FALSE(INTROD::instance().IsLoaded());
    INTROD::Controls& c = INTROD::instance().controls();  // a new reference loads it again
    EXPECT_EQ(c.Command2->Top(), 1680);
    EXPECT_EQ(c.Command2->Left(), 3600);
    EXPECT_TRUE(c.Option2->Value());
    shell::StartUp();
    EXPECT_EQ(INTROD::instance().controls().Command2->Top(), 1932);
}

TEST(Introduction, StartOpensTheSelectedCase)
{
    shell::StartUp();
    INTROD& introd = INTROD::instance();
    introd.Command2_Click();  // "V AS SQUARE ROOT" is selected at design
    EXPECT_TRUE(square_root::SQUARE_RIZA::instance().window()->isVisible());
    EXPECT_FALSE(linear::aktinon_sxedio::instance().IsLoaded());
    introd.controls().Option1->button()->click();  // selecting the linear case opens it at once
    EXPECT_TRUE(linear::aktinon_sxedio::instance().window()->isVisible());
    EXPECT_TRUE(square_root::SQUARE_RIZA::instance().window()->isVisible());  // both stay open
}

TEST(Theory, ShowsTheFixedTextAtFifteenPointsAndRestoresIt)
{
    const std::string text = shell::TheoryText();
    EXPECT_EQ(text.size(), 1196u);
    EXPECT_NE(text.find("constant depth  or seismic"), std::string::npos);
    EXPECT_NE(text.find("of depthCase b is useful"), std::string::npos);
    EXPECT_EQ(text.rfind("In the case of gradual change", 0), 0u);

    shell::StartUp();
    INTROD::instance().Command3_Click();
    EXPALANATIONS& theory = EXPALANATIONS::instance();
    EXPECT_TRUE(theory.window()->isVisible());
    EXPECT_EQ(theory.window()->windowTitle(), "THEORY");
    EXPECT_EQ(theory.controls().Text1->Text(), text);
    EXPECT_EQ(theory.controls().Text1->FontSize(), 15);
    EXPECT_EQ(theory.Width(), 15360);
    EXPECT_EQ(theory.Left(), 0);
    EXPECT_EQ(theory.controls().Picture2->Left(), 13080);

    theory.controls().Text1->SetText("edited by a student");
    theory.controls().Text1->SetFontSize(8);
    INTROD::instance().Command3_Click();
    EXPECT_EQ(theory.controls().Text1->Text(), text);
    EXPECT_EQ(theory.controls().Text1->FontSize(), 15);

    theory.CloseByFrame();
    INTROD::instance().Command3_Click();  // loaded anew
    EXPECT_EQ(theory.controls().Text1->Text(), text);
}

}  // namespace

namespace {

TEST(Captions, LongCaptionsWrapWithinTheirControlAndKeepTheirText)
{
    const QFontMetrics metrics(QApplication::font());
    const QString caption = QStringLiteral("ALTERNATIVELY SHOW WAVEFRONTS AND RAYS OR ONLY RAYS");
    const QString wrapped = surface::WrapCaption(caption, metrics, 120);
    EXPECT_GT(wrapped.count(QLatin1Char('\n')), 1);
    for (const QString& line : wrapped.split(QLatin1Char('\n')))
        EXPECT_LE(metrics.horizontalAdvance(line), 120) << line.toStdString();
    EXPECT_EQ(QString(wrapped).replace(QLatin1Char('\n'), QLatin1Char(' ')), caption);
    EXPECT_EQ(surface::WrapCaption(QStringLiteral("END"), metrics, 5), QStringLiteral("END"));  // a word is never cut

    // In the window: the check box shows every word and still reports its caption as designed.
    sorvel_kampyles::ShowLinearCase();
    const auto& check = *linear::aktinon_sxedio::instance().controls().Check1;
    EXPECT_EQ(check.Caption(), caption.toStdString());
    EXPECT_TRUE(check.box()->text().contains(QLatin1Char('\n')));
    EXPECT_LE(check.box()->sizeHint().width(), check.box()->width());
}

}  // namespace
