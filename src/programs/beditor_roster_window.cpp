// beditor-roster-window: the roster of a program folder in one window.
#include <QApplication>
#include <QCommandLineParser>
#include <iostream>

#include "beditor_version.h"
#include "core/file_access.h"
#include "core/process_start.h"
#include "desktop/desktop_start.h"
#include "desktop/leak_suppressions.h"
#include "desktop/qt_dialogs.h"
#include "core/program_folder_lists.h"
#include "qt_adapters/path_text.h"
#include "roster_window/roster_window.h"

int main(int argc, char** argv) {
  // The command line first: --help and --version need no display.
  QStringList arguments = {QStringLiteral("beditor-roster-window")};
  for (const std::string& argument : beditor::StartProcess(argc, argv)) arguments << QString::fromStdString(argument);
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("The fighters of a BEditor program folder in one table."));
  const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help."));
  const QCommandLineOption versionOption(QStringLiteral("version"), QStringLiteral("Shows the version."));
  const QCommandLineOption folderOption(QStringLiteral("folder"),
                                        QStringLiteral("Program folder (default: the folder of this program)."),
                                        QStringLiteral("DIR"));
  const QCommandLineOption modeOption(
      QStringLiteral("mode"), QStringLiteral("Game whose categories apply, tav or jex (default: the editor's)."),
      QStringLiteral("MODE"));
  parser.addOptions({helpOption, versionOption, folderOption, modeOption});
  if (!parser.parse(arguments)) {
    std::cerr << parser.errorText().toStdString() << '\n';
    return 2;
  }
  if (parser.isSet(helpOption)) {
    std::cout << parser.helpText().toStdString();
    return 0;
  }
  if (parser.isSet(versionOption)) {
    std::cout << "beditor-roster-window " << BEDITOR_VERSION << '\n';
    return 0;
  }

  const std::filesystem::path folder =
      parser.isSet(folderOption) ? beditor::ToPath(parser.value(folderOption)) : beditor::ProgramFolder();
  beditor::record::Game game = beditor::StartingGame(folder);
  if (parser.isSet(modeOption)) {
    const QString mode = parser.value(modeOption).toLower();
    if (mode != QLatin1String("tav") && mode != QLatin1String("jex")) {
      std::cerr << "--mode must be tav or jex\n";
      return 2;
    }
    game = mode == QLatin1String("jex") ? beditor::record::Game::JEX : beditor::record::Game::TAV;
  }

  QApplication application(argc, argv);
  const beditor::DesktopStart desktop(QStringLiteral("BEditor roster"), beditor::ProgramFolder(), folder);

  beditor::QtDialogs dialogs;
  beditor::RosterWindow window(folder, game, dialogs);
  window.show();
  window.StartLoading();
  return application.exec();
}
