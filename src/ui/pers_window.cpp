// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pers_window.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>

#include "commands/program.h"
#include "ui/main_window.h"
#include "ui/shown_text.h"
#include "widgets/gauge.h"
#include "widgets/gradient_button.h"
#include "widgets/shadow_label.h"

namespace kelpmark::ui {

using widgets::GradientButton;

PersWindow::PersWindow(Program& program, MainWindow& main)
    : SecondaryWindow(main, Control::PersForm, tr("Ваш персонал"), 464, 298, 30),
      program_(program) {
  const TPersForm& form = program_.persForm;
  QStringList departments;
  for (const Marked& d : TPersForm::kDepartments) departments << shown(d);
  buildListPicker(departments, Control::PersBox, Control::PersList);

  QFrame* card = cardPanel(240, 8, 217, 233);
  header_ = headerPanel(256, 3, 185, 16);
  label(card, 8, 14, 203, 16, tr("Опыт:"));
  experience_ = new widgets::Gauge(card);
  experience_->setGeometry(8, 32, 200, 17);
  experience_->setRange(0, 100);
  experience_->setAccessibleName(tr("Опыт"));
  salary_ = label(card, 6, 66, 203, 16, salaryText_(form.SalaryLbl));
  auto* up = button(card, tr("Поднять"), 8, 85, 97);
  auto* down = button(card, tr("Снизить"), 112, 85, 97);
  label(card, 6, 116, 203, 16, tr("Настроение:"));
  mood_ = new widgets::Gauge(card);
  mood_->setGeometry(8, 136, 200, 17);
  mood_->setRange(0, 100);
  mood_->setAccessibleName(tr("Настроение"));
  praise_ = button(card, tr("Похвалить"), 8, 162, 97);
  auto* premium = button(card, tr("Дать премию"), 112, 162, 97);
  auto* line = new QFrame(card);
  line->setGeometry(8, 195, 201, 2);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  fire_ = button(card, tr("Уволить"), 56, 205, 105, true);
  status_ = statusBar(274, 464, {65, 115, 125, 50});
  auto* ok = button(this, QStringLiteral("Ok"), 120, 250, 97);
  auto* help = button(this, QStringLiteral("Help"), 240, 250, 97);

  connectClick(up, Control::PersUpBtn);
  connectClick(down, Control::PersLoBtn);
  connectClick(praise_, Control::PersWokrersBtn);
  connectClick(premium, Control::PersBuildingsBtn);
  connectClick(fire_, Control::PersFireBtn);
  connectClick(ok, Control::PersCloseBtn);
  connectClick(help, Control::PersGradBtn1);
}

void PersWindow::syncFromGame() {
  const TPersForm& f = program_.persForm;
  syncListPicker(f.PersBox, f.PersList, [](const std::string& name) { return Text::name(name); });
  header_->setText(headerText_(f.TopPanel));
  experience_->setValue(f.ExpGauge);
  mood_->setValue(f.FunGauge);
  salary_->setText(salaryText_(f.SalaryLbl));
  praise_->setEnabled(f.WokrersBtnEnabled);
  fire_->setEnabled(f.FireBtnEnabled);
  for (size_t i = 0; i < status_.size(); ++i) status_[i]->setText(statusTexts_[i](f.Status[i]));
  followVisibility(f.visible);
}

}  // namespace kelpmark::ui
