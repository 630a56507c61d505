#pragma once

// The only ways in which the exercise model reaches the student. The window shell defines them;
// the model's tests link a recording fake instead.

// A modal message box with an OK button; returns once the student has closed it.
void ShowVerdict(const char* caption, const char* text);

// The system's error sound; returns at once.
void ErrorBeep();

// The text of the status bar's second part.
void SetPrompt(const char* text);

// Marks the tree area for repainting with erasing.
void RepaintTree();
