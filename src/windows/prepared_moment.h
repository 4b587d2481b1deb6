// Opening the program at a prepared moment, and the words of the moment the window in front shows.
#pragma once

#include <string>
#include <string_view>

namespace prepared_moment {

// Runs the start-up routine, then what a user would click and move to reach the link's moment,
// in this order:
//   linear:      "V LINEAR WITH Y"; k (an option); stopped ("STOP TIMER"); fronts-only
//                ("SHOW ONLY WAVE FRONTS"); t (the time bar); angle ("SINGLE RAY", the start-angle bar)
//   square-root: "V AS SQUARE ROOT"; A (the A bar); stopped ("TIME OFF"); fronts ("WAVE FRONTS");
//                T (the time bar)
//   theory:      "EXPLANATIONS"
// as one user's action, so that a screen reader hears its last sentence once. Returns the sentence
// that says what the link left out, or "" when it left out nothing.
std::string OpenLink(std::string_view words);

// The words that open the window in front as it is now; "" for the introduction.
std::string LinkToFront();

}  // namespace prepared_moment
