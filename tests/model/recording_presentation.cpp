#include "tests/model/recording_presentation.h"

#include "shell/presentation.h"

std::vector<std::string>& PresentationCalls() {
    static std::vector<std::string> calls;
    return calls;
}

std::string BeepCall() {
    return "ErrorBeep()";
}

std::string VerdictCall(const std::string& caption, const std::string& text) {
    return "ShowVerdict(\"" + caption + "\", \"" + text + "\")";
}

std::string PromptCall(const std::string& text) {
    return "SetPrompt(\"" + text + "\")";
}

std::string RepaintCall() {
    return "RepaintTree()";
}

// The texts are copied at once: the model may reuse its buffer as soon as a call returns.
void ShowVerdict(const char* caption, const char* text) {
    PresentationCalls().push_back(VerdictCall(caption, text));
}

void ErrorBeep() {
    PresentationCalls().push_back(BeepCall());
}

void SetPrompt(const char* text) {
    PresentationCalls().push_back(PromptCall(text));
}

void RepaintTree() {
    PresentationCalls().push_back(RepaintCall());
}
