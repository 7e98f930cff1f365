#pragma once
// The game's own help viewer: one page per topic number, built into the program.
#include <QDialog>

class QTextBrowser;

namespace kelpmark::ui {

class HelpWindow : public QDialog {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  // Shows the page of a topic (10 main window, 20 buildings, 30 personnel,
  // 40 reports, 50 actions, 100 welcome); an unknown topic shows the contents.
  void showTopic(int topic);
  QString currentPage() const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // The pages' colours, chosen for the theme's page background.
  void applyPageColours();

  QTextBrowser* browser_;
};

}  // namespace kelpmark::ui
