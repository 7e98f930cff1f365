// Kelpmark: the game's start-up.
#include <QApplication>
#include <QIcon>
#include <clocale>

#include "ui/game_ui.h"
#include "ui/qt_view_port.h"
#include "ui/save_location.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Qt takes the numeric locale from the desktop; the game's texts never depend on it.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(QStringLiteral("kelpmark"));
  QApplication::setApplicationDisplayName(QString::fromUtf8(kelpmark::ui::kApplicationTitle));
  QApplication::setOrganizationName(QStringLiteral("Vorlent"));
  QApplication::setDesktopFileName(QStringLiteral("kelpmark"));
  kelpmark::ui::GameUiOptions options;
  options.savePath = kelpmark::ui::saveFilePath();
  kelpmark::ui::GameUi game(options);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/icon.svg")));
  game.show();
  return QApplication::exec();
}
