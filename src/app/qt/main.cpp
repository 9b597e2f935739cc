// Tova: draw an object in three orthographic views and turn the wire-frame model they describe.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStyleFactory>
#include <cstdio>

#include "app/qt/form1.h"
#include "app/qt/launch.h"

namespace {

QStringList ArgumentsOf(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

// Help, the version and a faulty command line are answered on the terminal, with the status to
// exit with; anything else starts the window.
int Answer(const tova::LaunchRequest& request) {
  const QByteArray text = request.text.toLocal8Bit();
  const bool error = request.action == tova::LaunchRequest::Action::Error ||
                     request.action == tova::LaunchRequest::Action::BadOption;
  std::fprintf(error ? stderr : stdout, error ? "tova: %s\n" : "%s", text.constData());
  return error ? 2 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  // The command line is answered before the window system is asked for, so that help works
  // without a display; only an unknown option waits, as it may be one of Qt's own (-platform and
  // the like), which are taken off the arguments once the window system is there.
  if (const tova::LaunchRequest early = tova::ParseCommandLine(ArgumentsOf(argc, argv));
      early.action != tova::LaunchRequest::Action::Run &&
      early.action != tova::LaunchRequest::Action::BadOption) {
    return Answer(early);
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tova");  // the user's data folder is named after it
  const tova::LaunchRequest request = tova::ParseCommandLine(QApplication::arguments());
  if (request.action != tova::LaunchRequest::Action::Run) return Answer(request);
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  const tova::StartPlace place = tova::ChooseStartPlace(request);
  if (!place.folder.isEmpty()) QDir::setCurrent(place.folder);
  tova::Form1 window;
  window.Load(QFile::encodeName(place.document).toStdString());
  window.show();
  return QApplication::exec();
}
