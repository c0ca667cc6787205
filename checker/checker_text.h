// The checker's text in its editor: put in and taken out in the form of
// checker/line_breaks.h, replaced as one edit that Undo takes back, and
// printed with a heading.
#pragma once

#include <QPlainTextEdit>
#include <QPrinter>
#include <string>

namespace checker {

// Shows `fileText` (UTF-8, CR LF between lines, lone LFs inside) in `edit`,
// with an empty undo history.
void SetEditorText(QPlainTextEdit& edit, const std::string& fileText);

// Replaces the text of `edit` by `fileText` as one edit, which Undo takes back.
void ReplaceEditorText(QPlainTextEdit& edit, const std::string& fileText);

// The text of `edit` as a file holds it: UTF-8, CR LF between lines, lone
// LFs where the editor marks them.
std::string EditorFileText(const QPlainTextEdit& edit);

// Prints a copy of `edit`'s text on `printer`, `heading` (as PrintHeading
// gives it) in front in bold; the text of `edit` is not touched.
void PrintWithHeading(const QPlainTextEdit& edit, const std::string& heading, QPrinter& printer);

}  // namespace checker
