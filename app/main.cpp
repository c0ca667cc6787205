// zentu: the main window of the program, and the windows it opens.
#include <QApplication>

#include "app/program.h"
#include "platform/plot_fonts.h"
#include "platform/program_folder.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("zentu"));
  platform::InstallPlotFontSubstitutions();
  app::Program program(platform::ProgramFolder());
  program.main().show();
  return QApplication::exec();
}
