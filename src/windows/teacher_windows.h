// The windows' answers to the teacher's toolkit: which picture is in front, its name, its moment,
// whether its animation runs, and KEYS.
#pragma once

namespace teacher_windows {

// Installs the answers for this run; onPage: the edition is the page (where "?" opens KEYS).
void Install(bool onPage);

}  // namespace teacher_windows
