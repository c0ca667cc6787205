#include "checker/checker_text.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>

#include "checker/checker_window.h"
#include "checker/line_breaks.h"
#include "platform/text.h"

namespace checker {

namespace {

QString EditorQString(const std::string& fileText) {
  return platform::FromUtf8(EditorText(fileText, LinesPerBlock(CountEditorLines(fileText))));
}

}  // namespace

void SetEditorText(QPlainTextEdit& edit, const std::string& fileText) {
  edit.setPlainText(EditorQString(fileText));
}

void ReplaceEditorText(QPlainTextEdit& edit, const std::string& fileText) {
  QTextCursor all(edit.document());
  all.beginEditBlock();
  all.select(QTextCursor::Document);
  all.insertText(EditorQString(fileText));
  all.endEditBlock();
}

std::string EditorFileText(const QPlainTextEdit& edit) {
  // The raw text keeps the editor's separators, which FileText reads.
  return FileText(platform::ToUtf8(edit.document()->toRawText()));
}

void PrintWithHeading(const QPlainTextEdit& edit, const std::string& heading, QPrinter& printer) {
  const std::unique_ptr<QTextDocument> copy(edit.document()->clone());
  copy->setDefaultFont(edit.font());
  QTextCharFormat bold;
  bold.setFontWeight(QFont::Bold);
  QTextCursor start(copy.get());
  start.insertText(platform::FromUtf8(EditorText(heading, 1)), bold);

  // Page by page on the printer's printable area, laid out at its
  // resolution; unlike QTextDocument::print, no page numbers are added.
  QPainter painter;
  if (!painter.begin(&printer)) return;
  const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
  copy->documentLayout()->setPaintDevice(&printer);
  copy->setPageSize(page.size());
  const int pages = copy->pageCount();
  for (int p = 0; p < pages; ++p) {
    if (p > 0) printer.newPage();
    const QRectF shown(0, p * page.height(), page.width(), page.height());
    painter.save();
    painter.translate(0, -shown.top());
    copy->drawContents(&painter, shown);
    painter.restore();
  }
}

QPrinter* DialogPrinterChoice::Choose(QWidget* parent) {
  QPrintDialog dialog(&printer_, parent);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);  // no page numbers
  return dialog.exec() == QDialog::Accepted ? &printer_ : nullptr;
}

}  // namespace checker
