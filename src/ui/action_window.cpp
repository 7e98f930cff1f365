// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/action_window.h"

#include <QComboBox>
#include <QGroupBox>

#include "commands/program.h"
#include "engine/campaigns.h"
#include "ui/main_window.h"
#include "ui/shown_text.h"
#include "ui/window_look.h"
#include "widgets/gradient_button.h"
#include "widgets/shadow_label.h"

namespace kelpmark::ui {

using widgets::GradientButton;

namespace {

QGroupBox* group(QWidget* parent, const QString& title, int x) {
  auto* box = new QGroupBox(title, parent);
  box->setGeometry(x, 2, 217, 249);
  box->setFont(arialPx(12, true));
  box->setStyleSheet(QStringLiteral(
      "QGroupBox { color: #00FF00; border: 1px solid #00A000; border-radius: 3px;"
      " margin-top: 7px; }"
      "QGroupBox::title { subcontrol-origin: margin; left: 7px; padding: 0 2px; }"));
  return box;
}

}  // namespace

ActionWindow::ActionWindow(Program& program, MainWindow& main)
    : SecondaryWindow(main, Control::ActionForm, tr("Ваши действия"), 458, 257, 50),
      program_(program) {
  const TActionForm& form = program_.actionForm;
  QGroupBox* staff = group(this, tr("Сотрудники "), 7);
  label(staff, 6, 18, 203, 17, tr("Подразделение:"));
  QStringList departments;
  for (const Marked& d : TActionForm::kDepartments) departments << shown(d);
  departments_ = comboBox(staff, 16, 36, 185, departments);
  auto* raise = button(staff, tr("Поднять оклады"), 56, 68, 105);
  raise_ = label(staff, 6, 94, 206, 39, raiseText_(form.SalaryLbl));
  raise_->setWordWrap(true);
  raise_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  auto* premium = button(staff, tr("Выдать премии"), 56, 140, 105);
  premium_ = label(staff, 6, 166, 206, 17, premiumText_(form.PayPremLbl));
  premium_->setAlignment(Qt::AlignCenter);
  auto* dismiss = button(staff, tr("Распустить"), 56, 196, 105);
  label(staff, 6, 222, 205, 17, tr("(бесплатно)"))->setAlignment(Qt::AlignCenter);

  QGroupBox* ads = group(this, tr("Реклама "), 233);
  label(ads, 6, 18, 203, 17, tr("Выберите акцию:"));
  QStringList campaigns;
  for (const CampaignInfo& c : kCampaigns) campaigns << shown(c.name);
  campaigns_ = comboBox(ads, 16, 36, 185, campaigns);
  cost_ = label(ads, 5, 70, 208, 17, costText_(form.AdCostLbl));
  description_ = label(ads, 6, 94, 206, 91, descriptionText_(form.AdDescLbl));
  description_->setWordWrap(true);
  description_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  ready_ = label(ads, 6, 198, 208, 17, readyText_(form.AdReady));
  order_ = button(ads, tr("Провести!"), 56, 220, 105);

  connect(departments_, &QComboBox::activated, this,
          [this](int i) { perform(PlayerAction::choose(Control::ActionDivBox, i)); });
  connect(campaigns_, &QComboBox::activated, this,
          [this](int i) { perform(PlayerAction::choose(Control::ActionAdBox, i)); });
  connectClick(raise, Control::ActionUpSalBtn);
  connectClick(premium, Control::ActionPayPremBtn);
  connectClick(dismiss, Control::ActionGradBtn1);
  connectClick(order_, Control::ActionAdBtn);
}

void ActionWindow::syncFromGame() {
  const TActionForm& f = program_.actionForm;
  setComboIndex(departments_, f.DivBox);
  setComboIndex(campaigns_, f.AdBox);
  raise_->setText(raiseText_(f.SalaryLbl));
  premium_->setText(premiumText_(f.PayPremLbl));
  cost_->setText(costText_(f.AdCostLbl));
  description_->setText(descriptionText_(f.AdDescLbl));
  ready_->setText(readyText_(f.AdReady));
  order_->setEnabled(f.AdBtnEnabled);
  followVisibility(f.visible);
}

}  // namespace kelpmark::ui
