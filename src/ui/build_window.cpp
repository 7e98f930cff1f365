// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/build_window.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QSvgWidget>

#include "commands/program.h"
#include "ui/main_window.h"
#include "ui/shown_text.h"
#include "widgets/gauge.h"
#include "widgets/gradient_button.h"
#include "widgets/shadow_label.h"

namespace kelpmark::ui {

using widgets::GradientButton;

BuildWindow::BuildWindow(Program& program, MainWindow& main)
    : SecondaryWindow(main, Control::BuildForm, tr("Ваши сооружения"), 465, 298, 20),
      program_(program) {
  const TBuildForm& form = program_.buildForm;
  QStringList categories;
  for (const Marked& c : TBuildForm::kCategories) categories << shown(c);
  buildListPicker(categories, Control::BuildBox, Control::BuildList);

  QFrame* card = cardPanel(240, 8, 217, 233);
  header_ = headerPanel(256, 3, 185, 16);
  label(card, 8, 10, 203, 16, tr("Износ:"));
  wear_ = new widgets::Gauge(card);
  wear_->setGeometry(8, 28, 200, 17);
  wear_->setRange(0, 1000);
  wear_->setAccessibleName(tr("Износ"));
  upkeep_ = label(card, 6, 52, 204, 16, upkeepText_(form.SalaryLbl));
  stored_ = label(card, 6, 70, 204, 16, storedText_(form.StoredLbl));
  sales_ = label(card, 6, 88, 204, 16, salesText_(form.SallLbl));
  picture_ = new QSvgWidget(card);
  picture_->setGeometry(7, 109, 100, 80);
  repair_ = button(card, tr("Капремонт"), 112, 109, 97);
  repairCost_ = label(card, 112, 131, 97, 16, repairCostText_(form.RemLbl));
  repairCost_->setAlignment(Qt::AlignCenter);
  upgrade_ = button(card, tr("Улучшить"), 112, 151, 97);
  upgradeCost_ = label(card, 112, 173, 97, 16, upgradeCostText_(form.UpgLbl));
  upgradeCost_->setAlignment(Qt::AlignCenter);
  auto* line = new QFrame(card);
  line->setGeometry(8, 197, 201, 2);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  auto* sell = button(card, tr("Продать"), 56, 205, 105, true);
  status_ = statusBar(274, 465, {90, 120, 100});
  auto* ok = button(this, QStringLiteral("Ok"), 120, 250, 97);
  auto* help = button(this, QStringLiteral("Help"), 240, 250, 97);

  connectClick(repair_, Control::BuildRemBtn);
  connectClick(upgrade_, Control::BuildUpgBtn);
  connectClick(sell, Control::BuildFireBtn);
  connectClick(ok, Control::BuildCloseBtn);
  connectClick(help, Control::BuildGradBtn1);
}

void BuildWindow::syncFromGame() {
  const TBuildForm& f = program_.buildForm;
  syncListPicker(f.BuildBox, f.BuildList, storedEntryText);
  header_->setText(headerText_(f.TopPanel));
  wear_->setValue(f.OffGauge);
  upkeep_->setText(upkeepText_(f.SalaryLbl));
  stored_->setText(storedText_(f.StoredLbl));
  sales_->setText(salesText_(f.SallLbl));
  repairCost_->setText(repairCostText_(f.RemLbl));
  upgradeCost_->setText(upgradeCostText_(f.UpgLbl));
  if (f.picture != pictureShown_) {
    pictureShown_ = f.picture;
    static const char* const files[] = {":/art/store.svg", ":/art/stall.svg", ":/art/shop.svg"};
    if (f.picture >= 0 && f.picture <= 2) {
      picture_->load(QString::fromUtf8(files[f.picture]));
      picture_->show();
    } else {
      picture_->hide();
    }
  }
  repair_->setEnabled(f.RemBtnEnabled);
  upgrade_->setEnabled(f.UpgBtnEnabled);
  for (size_t i = 0; i < status_.size(); ++i) status_[i]->setText(statusTexts_[i](f.Status[i]));
  // At night the clock disables the window's controls; it still closes.
  setControlsEnabled(f.enabled);
  followVisibility(f.visible);
}

}  // namespace kelpmark::ui
