#pragma once
// The wizard's message boxes, in the build language, through the platform message service.
#include <functional>
#include <string>

namespace wizard {

void showNoProgramMessage();
void showNotEnoughSpaceMessage();
// Informs only; the caller ends the program after it.
void showCopyFailureMessage(const std::string& source, const std::string& target);

// The yes/no question of the overwrite checks: German builds ask through the German dialog
// (installed by the program with setGermanDialog), the others through a Yes/No message box.
// Without an installed dialog the German question goes to the message service as well.
bool confirm(const std::string& question);

// The German dialog: shows `question` and returns true for "&Ja". Empty removes it.
void setGermanDialog(std::function<bool(const std::string& question)> dialog);

}  // namespace wizard
