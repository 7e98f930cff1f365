// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/control_ids.h"

#include <array>
#include <tuple>

#include "commands/action_form.h"
#include "commands/build_form.h"
#include "commands/pers_form.h"
#include "engine/campaigns.h"

namespace kelpmark {

namespace {

template <class Array>
constexpr int itemsOf(const Array&) {
  return static_cast<int>(std::tuple_size_v<Array>);
}

struct ControlInfo {
  const char* name;
  ControlKind kind;
  int items;
};

using K = ControlKind;

// In the order of Control.
const std::array<ControlInfo, static_cast<size_t>(Control::None)> kControls = {{
    {"MainForm.FishBtn", K::Button, 0},
    {"MainForm.TorgBtn", K::Button, 0},
    {"MainForm.MaxBtn", K::Button, 0},
    {"MainForm.StopBtn", K::Button, 0},
    {"MainForm.StorageBtn", K::Button, 0},
    {"MainForm.LotBtn", K::Button, 0},
    {"MainForm.ShopBtn", K::Button, 0},
    {"MainForm.OfficeBtn", K::Button, 0},
    {"MainForm.StuffBtn", K::Button, 0},
    {"MainForm.SalerBtn", K::Button, 0},
    {"MainForm.AccounterBtn", K::Button, 0},
    {"MainForm.ManagerBtn", K::Button, 0},
    {"MainForm.ActionsBtn", K::Button, 0},
    {"MainForm.StatsBtn", K::Button, 0},
    {"MainForm.WokrersBtn", K::Button, 0},
    {"MainForm.BuildingsBtn", K::Button, 0},
    {"MainForm.TimeLbl", K::Button, 0},
    {"MainForm.Img1on", K::Button, 0},
    {"MainForm.Img2on", K::Button, 0},
    {"MainForm.Img3on", K::Button, 0},
    {"MainForm.Img4on", K::Button, 0},
    {"MainForm.PSpn", K::SpinEdit, 0},
    {"PersForm", K::Window, 0},
    {"PersForm.UpBtn", K::Button, 0},
    {"PersForm.LoBtn", K::Button, 0},
    {"PersForm.WokrersBtn", K::Button, 0},
    {"PersForm.BuildingsBtn", K::Button, 0},
    {"PersForm.FireBtn", K::Button, 0},
    {"PersForm.CloseBtn", K::Button, 0},
    {"PersForm.GradBtn1", K::Button, 0},
    {"PersForm.PersBox", K::DropDown, itemsOf(TPersForm::kDepartments)},
    {"PersForm.PersList", K::List, 0},
    {"BuildForm", K::Window, 0},
    {"BuildForm.RemBtn", K::Button, 0},
    {"BuildForm.UpgBtn", K::Button, 0},
    {"BuildForm.FireBtn", K::Button, 0},
    {"BuildForm.CloseBtn", K::Button, 0},
    {"BuildForm.GradBtn1", K::Button, 0},
    {"BuildForm.BuildBox", K::DropDown, itemsOf(TBuildForm::kCategories)},
    {"BuildForm.BuildList", K::List, 0},
    {"ActionForm", K::Window, 0},
    {"ActionForm.UpSalBtn", K::Button, 0},
    {"ActionForm.PayPremBtn", K::Button, 0},
    {"ActionForm.GradBtn1", K::Button, 0},
    {"ActionForm.AdBtn", K::Button, 0},
    {"ActionForm.AdBox", K::DropDown, itemsOf(kCampaigns)},
    {"ActionForm.DivBox", K::DropDown, itemsOf(TActionForm::kDepartments)},
}};

const ControlInfo& info(Control c) { return kControls.at(static_cast<size_t>(c)); }

}  // namespace

const char* controlName(Control c) { return c == Control::None ? "" : info(c).name; }
ControlKind controlKind(Control c) { return info(c).kind; }
int controlItems(Control c) { return c == Control::None ? 0 : info(c).items; }

Control controlNamed(const std::string& name) {
  for (size_t i = 0; i < kControls.size(); ++i)
    if (name == kControls[i].name) return static_cast<Control>(i);
  return Control::None;
}

Control controlOf(MainButton b) { return static_cast<Control>(static_cast<int>(b)); }

std::optional<MainButton> mainButtonOf(Control c) {
  if (static_cast<size_t>(c) >= kMainButtonCount) return std::nullopt;
  return static_cast<MainButton>(static_cast<int>(c));
}

const char* mainButtonName(MainButton b) {
  // The bare name, without "MainForm.".
  return controlName(controlOf(b)) + 9;
}

}  // namespace kelpmark
