// "runeboard --check-install": the editor, once started, says whether it finds the files it
// reads beside itself, so that a package can be tried without a screen or a user.
#pragma once

#include <QString>

namespace cli {

// Says on standard output where the help page and the candidate-characters file are, or on
// standard error which of them cannot be read and why. Returns the exit status: 0 when both
// are read, 1 otherwise.
int checkInstall(const QString& helpPage, const QString& candidateFile);
// The check's last line, once the editor's window is shown and its events flow.
void sayStarted();

} // namespace cli
