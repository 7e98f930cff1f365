// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/secondary_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

#include "ui/fitting_combo_box.h"
#include "ui/main_window.h"
#include "ui/shown_text.h"
#include "ui/window_look.h"
#include "widgets/gradient_button.h"
#include "widgets/shadow_label.h"

namespace kelpmark::ui {

namespace {

const char* const kListStyle =
    "background: navy; color: #00FF00; selection-background-color: #00FF00;"
    " selection-color: navy; border: 2px inset #404080;";
// A list or drop-down the clock has turned off shows dimmed.
const char* const kDisabledListStyle =
    "color: #2E8B2E; selection-background-color: #2E8B2E; selection-color: #000050;";

}  // namespace

SecondaryWindow::SecondaryWindow(MainWindow& main, Control window, const QString& title,
                                 int width, int height, int helpTopic)
    : QDialog(&main), main_(main), window_(window), helpTopic_(helpTopic) {
  setWindowTitle(title);
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(width, height);
  setModal(false);
  setDialogBackground(this);
}

void SecondaryWindow::perform(const PlayerAction& action) { main_.perform(action, this); }

void SecondaryWindow::connectClick(widgets::GradientButton* button, Control control) {
  connect(button, &widgets::GradientButton::clicked, this,
          [this, control] { perform(PlayerAction::click(control)); });
}

void SecondaryWindow::closeEvent(QCloseEvent* event) {
  // Hidden, never destroyed: the game closes it and the next sync hides it.
  event->ignore();
  perform(PlayerAction::close(window_));
}

void SecondaryWindow::keyPressEvent(QKeyEvent* event) {
  // Help opens at any hour, like the close box closes the window.
  if (event->key() == Qt::Key_F1) {
    emit helpRequested(helpTopic_);
    return;
  }
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QDialog::keyPressEvent(event);
}

void SecondaryWindow::followVisibility(bool visible) {
  if (visible && !isVisible()) {
    centreOnScreen(this);
    show();
    raise();
    activateWindow();
  } else if (!visible && isVisible()) {
    // The keyboard goes back to the main window (a desktop without a window
    // manager would leave it nowhere).
    const bool wasActive = isActiveWindow();
    hide();
    if (wasActive) main_.activateWindow();
  }
}

bool SecondaryWindow::eventFilter(QObject* watched, QEvent* event) {
  if (list_ != nullptr && watched == list_->viewport() && event->type() == QEvent::MouseButtonPress)
    rowAtPress_ = list_->currentRow();
  return QDialog::eventFilter(watched, event);
}

void SecondaryWindow::setControlsEnabled(bool enabled) {
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) child->setEnabled(enabled);
}

void SecondaryWindow::buildListPicker(const QStringList& items, Control box, Control list) {
  box_ = comboBox(this, 8, 8, 225, items);
  connect(box_, &QComboBox::activated, this,
          [this, box](int i) { perform(PlayerAction::choose(box, i)); });
  list_ = listBox(this, 8, 40, 225, 201);
  // Arrows, Home, End, PgUp, PgDn and a click on another entry move the highlight;
  // the game's selection (and the card) follows it. Filling the list from the game
  // blocks these signals, so only the player's moves get here.
  connect(list_, &QListWidget::currentRowChanged, this, [this, list](int row) {
    if (row >= 0) perform(PlayerAction::select(list, row));
  });
  // A click on the entry already highlighted shows its card anew.
  list_->viewport()->installEventFilter(this);
  connect(list_, &QListWidget::itemClicked, this, [this, list](QListWidgetItem* item) {
    const int row = list_->row(item);
    if (row >= 0 && row == rowAtPress_) perform(PlayerAction::select(list, row));
  });
}

QComboBox* SecondaryWindow::comboBox(QWidget* parent, int x, int y, int w, const QStringList& items) {
  auto* box = new FittingComboBox(parent);
  box->setGeometry(x, y, w, 23);
  box->addItems(items);
  box->setCurrentIndex(-1);
  box->setFont(arialPx(12, true));
  box->setStyleSheet(QStringLiteral("QComboBox { %1 padding-left: 4px; }"
                                    "QComboBox:disabled { %2 }"
                                    "QComboBox QAbstractItemView { %1 }")
                         .arg(QString::fromUtf8(kListStyle), QString::fromUtf8(kDisabledListStyle)));
  return box;
}

QListWidget* SecondaryWindow::listBox(QWidget* parent, int x, int y, int w, int h) {
  auto* list = new QListWidget(parent);
  list->setGeometry(x, y, w, h);
  list->setFont(arialPx(12));
  list->setStyleSheet(QStringLiteral("QListWidget { %1 } QListWidget:disabled { %2 }")
                         .arg(QString::fromUtf8(kListStyle), QString::fromUtf8(kDisabledListStyle)));
  return list;
}

widgets::ShadowLabel* SecondaryWindow::label(QWidget* parent, int x, int y, int w, int h,
                                             const QString& text) {
  auto* l = new widgets::ShadowLabel(parent);
  l->setGeometry(x, y, w, h);
  l->setFont(arialPx(12));
  l->setText(text);
  return l;
}

widgets::GradientButton* SecondaryWindow::button(QWidget* parent, const QString& caption, int x,
                                                 int y, int w, bool olive) {
  auto* b = new widgets::GradientButton(caption, parent);
  b->setGeometry(x, y, w, widgets::GradientButton::kDesignHeight);
  b->setDisabledStyle(olive ? widgets::GradientButton::DisabledStyle::Olive
                            : widgets::GradientButton::DisabledStyle::Red);
  return b;
}

QFrame* SecondaryWindow::cardPanel(int x, int y, int w, int h) {
  auto* panel = new QFrame(this);
  panel->setGeometry(x, y, w, h);
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Raised);
  panel->setLineWidth(2);
  return panel;
}

QLabel* SecondaryWindow::headerPanel(int x, int y, int w, int h) {
  auto* header = new QLabel(this);
  header->setGeometry(x, y, w, h);
  header->setAlignment(Qt::AlignCenter);
  header->setFont(arialPx(12, true));
  header->setFrameShape(QFrame::Panel);
  header->setFrameShadow(QFrame::Raised);
  header->setAutoFillBackground(true);
  header->setStyleSheet(
      QStringLiteral("QLabel { color: #00FF00; background: rgb(0,117,58); }"));
  return header;
}

std::vector<widgets::ShadowLabel*> SecondaryWindow::statusBar(int y, int width,
                                                              std::initializer_list<int> panels) {
  auto* bar = new QFrame(this);
  bar->setGeometry(0, y, width, 24);
  auto* layout = new QHBoxLayout(bar);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  std::vector<widgets::ShadowLabel*> labels;
  size_t index = 0;
  for (int w : panels) {
    auto* panel = new QFrame(bar);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setMinimumWidth(w - 2);
    auto* inside = new QHBoxLayout(panel);
    inside->setContentsMargins(3, 1, 2, 1);
    // Lime text without a shadow; a text too long for the whole bar is drawn
    // narrower rather than cut off.
    auto* l = new widgets::ShadowLabel(panel);
    l->setFont(arialPx(12));
    l->setShadowVisible(false);
    l->setShrinkToFit(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    l->setMinimumWidth(1);
    inside->addWidget(l);
    const bool last = ++index == panels.size();
    layout->addWidget(panel, last ? 1 : 0);
    labels.push_back(l);
  }
  return labels;
}

void SecondaryWindow::setComboIndex(QComboBox* box, int index) {
  if (box->currentIndex() == index) return;
  QSignalBlocker block(box);
  box->setCurrentIndex(index);
}

void SecondaryWindow::setListEntries(const std::vector<std::string>& entries, int selected,
                                     const std::function<Text(const std::string&)>& entryText) {
  QSignalBlocker block(list_);
  if (entries != listEntries_ || list_->count() != static_cast<int>(entries.size())) {
    list_->clear();
    for (const std::string& e : entries) list_->addItem(shown(entryText(e)));
    listEntries_ = entries;
  }
  list_->setCurrentRow(selected);
}

}  // namespace kelpmark::ui
