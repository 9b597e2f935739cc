#include "app/qt/launch.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/qt/qt_text.h"
#include "app/startup.h"

namespace tova {
namespace {

const QCommandLineOption kDesktop(
    "desktop", "Started from the desktop's menu: without a DRAWING, work in the drawings folder "
               "(\"Tova\" in the documents folder), made with the sample drawing on the first start.");
const QCommandLineOption kHelp({"h", "help"}, "Show this help and exit.");
const QCommandLineOption kVersion({"v", "version"}, "Show the version and exit.");

QString DrawingsFolder() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath("Tova");
}

}  // namespace

LaunchRequest ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Tova: draw an object in three orthographic views and turn the wire-frame model they describe.\n"
      "Without a DRAWING, Tova starts on \"Tova.ini\" in the current folder.\n"
      "Changes not yet saved are kept in ~/.local/share/Tova/recovery ($XDG_DATA_HOME/Tova/recovery\n"
      "where that is set) until Tova closes; after a crash the next start offers to restore them.");
  parser.addOption(kDesktop);
  parser.addOption(kHelp);
  parser.addOption(kVersion);
  parser.addPositionalArgument(
      "DRAWING", "A drawing (*.KRT), or an exercise, to start on; its folder becomes the working folder.",
      "[DRAWING]");
  if (!parser.parse(arguments)) {
    return {LaunchRequest::Action::BadOption, parser.errorText() + " (see tova --help)", {}, false};
  }
  if (parser.isSet(kHelp)) {
    return {LaunchRequest::Action::Help, parser.helpText().replace("<executable_name>", "tova"), {}, false};
  }
  if (parser.isSet(kVersion)) return {LaunchRequest::Action::Version, "tova " TOVA_VERSION "\n", {}, false};
  const QStringList drawings = parser.positionalArguments();
  if (drawings.size() > 1) {
    return {LaunchRequest::Action::Error, "only one DRAWING at a time (see tova --help)", {}, false};
  }
  return {LaunchRequest::Action::Run, {}, drawings.value(0), parser.isSet(kDesktop)};
}

StartPlace ChooseStartPlace(const LaunchRequest& request) {
  const QString startup = ToQString(kStartupDocument);
  if (!request.drawing.isEmpty()) {
    const QFileInfo drawing(request.drawing);
    return {drawing.absoluteDir().exists() ? drawing.absolutePath() : QString(), drawing.absoluteFilePath()};
  }
  if (!request.desktop) return {{}, startup};
  // The sample goes in only where there is no start-up document: one the user changed stays.
  const QDir folder(DrawingsFolder());
  if (!folder.mkpath(".")) return {{}, startup};
  if (!folder.exists(startup)) {
    QFile::copy(":/samples/Tova.ini", folder.filePath(startup));
    QFile::setPermissions(folder.filePath(startup), QFile::ReadOwner | QFile::WriteOwner |
                                                        QFile::ReadGroup | QFile::ReadOther);
  }
  return {folder.absolutePath(), startup};
}

}  // namespace tova
