#pragma once

#include <string>
#include <vector>

// The presentation operations, recorded instead of shown: every call the model made since the
// log was last cleared, in order, one readable line each.
std::vector<std::string>& PresentationCalls();

std::string BeepCall();
std::string VerdictCall(const std::string& caption, const std::string& text);
std::string PromptCall(const std::string& text);
std::string RepaintCall();
