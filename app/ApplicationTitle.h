#pragma once

#include <QString>

// The title of the running program: its file name without folder and extension, first character kept,
// the rest in lower case ("PrRedAzo" becomes "Prredazo"). Captions the error and thank-you boxes.
QString ApplicationTitle();
QString ApplicationTitleFor(const QString& executablePath);
