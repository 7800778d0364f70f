#include "plan/round_trip.h"

#include <memory>

#include "calc/wiring.h"
#include "common/text.h"
#include "import/item_set_import.h"

namespace gw {

namespace {

// A window as start-up leaves it, with the evaluation wired and nothing shown anywhere.
struct Scratch {
  Scratch(const ReferenceTables& tables, const ConstantTables& constants)
      : window(std::make_unique<ui::MainWindow>()), calc(*window, tables, constants) {
    WireEvaluation(*window, calc);
    calc.PrepareItem(0);  // the first tab is shown at start-up
  }
  // Every tab shown once, so both copies are evaluated alike and no quality list is left empty.
  void Settle() {
    for (int k = 0; k < ui::kItemCount; ++k)
      calc.PrepareItem(k);
  }
  std::unique_ptr<ui::MainWindow> window;
  Calculator calc;
};

class Comparison {
 public:
  Comparison(ui::MainWindow& now, ui::MainWindow& after) : now_(now), after_(after) {}

  template <class C, class Text>
  void Add(int item, const std::string& what, const C& now, const C& after, Text text) {
    const std::string a = text(now), b = text(after);
    if (a != b) differences_.push_back({item, what, now.name(), a, b});
  }
  void Caption(int item, const std::string& what, const ui::Label& now, const ui::Label& after) {
    Add(item, what, now, after, [](const ui::Label& l) { return l.Caption(); });
  }
  template <class C>
  void Text(int item, const std::string& what, const C& now, const C& after) {
    Add(item, what, now, after, [](const C& c) { return std::string(c.Text()); });
  }
  // An amount typed by hand is not the entry of the same text: on a crafted item it is no gem,
  // on a dropped one it counts by its value; a chosen one counts by its entry.
  void Amount(int item, const std::string& what, const ui::ComboBox& now,
              const ui::ComboBox& after) {
    Add(item, what, now, after, [](const ui::ComboBox& c) {
      return c.ListIndex() == -1 && !c.Text().empty() ? c.Text() + " (typed)" : c.Text();
    });
  }

  void Item(int k, const ItemPlan& planned, const ItemPlan& untouched) {
    const ui::MainWindow& n = now_;
    const ui::MainWindow& a = after_;
    if (planned != untouched) {
      Text(k, "Item Quality", n.cboItmQual[k], a.cboItmQual[k]);
      Text(k, "Item Level", n.txtItmlevel[k], a.txtItmlevel[k]);
      Text(k, "Item Name", n.txtItemName[k], a.txtItemName[k]);
      Text(k, "AF/DPS", n.txtAF[k], a.txtAF[k]);
      Text(k, "Speed", n.txtSpeed[k], a.txtSpeed[k]);
      Text(k, "Bonus", n.txtBonus[k], a.txtBonus[k]);
      auto kind = [k](const ui::MainWindow& w) {
        return std::string(w.optCraft[k].Value()     ? "Crafted Item"
                           : w.optDropped[k].Value() ? "Dropped Item"
                                                     : "");
      };
      Add(k, "Crafted or dropped", n, a, kind);
      Add(k, "Equipped", n.chkEquip[k], a.chkEquip[k],
          [](const ui::CheckBox& c) { return std::string(c.Value() ? "yes" : "no"); });
    }
    for (int g = 0; g < ui::kGemsPerItem; ++g) {
      const int slot = ui::GemSlot(k, g);
      const GemPlan& gem = planned.gems[static_cast<size_t>(g)];
      const std::string name = "Gem " + std::to_string(g + 1) + " ";
      // A slot that holds no gem ("Unused", or no type and nothing typed) has no amount or
      // effect to keep: opening gives its amount box what an import writes there.
      const bool holds_gem = gem.type > ui::kUnused || (gem.type == -1 && !gem.amount_text.empty());
      if (gem.type != -1 || holds_gem) Text(k, name + "type", n.cboType[slot], a.cboType[slot]);
      if (holds_gem) {
        Amount(k, name + "amount", n.cboAmount[slot], a.cboAmount[slot]);
        Text(k, name + "effect", n.cboEffect[slot], a.cboEffect[slot]);
      }
      Text(k, name + "quality", n.cboGemQual[slot], a.cboGemQual[slot]);
      Caption(k, name + "points", n.lblGemPoint[slot], a.lblGemPoint[slot]);
      Caption(k, name + "cost", n.lblGemCost[slot], a.lblGemCost[slot]);
      Caption(k, name + "name", n.lblGemName[slot], a.lblGemName[slot]);
    }
    Caption(k, "Imbue points", n.lblImbPoint[k], a.lblImbPoint[k]);
    Caption(k, "Overcharge", n.lblOverc[k], a.lblOverc[k]);
    Caption(k, "Cost", n.lblItemCost[k], a.lblItemCost[k]);
  }

  void Character() {
    const ui::MainWindow& n = now_;
    const ui::MainWindow& a = after_;
    constexpr int kWho = RoundTripDifference::kCharacter;
    Text(kWho, "Name", n.txtName, a.txtName);
    Text(kWho, "Class", n.cboClass, a.cboClass);
    Text(kWho, "Level", n.cboLevel, a.cboLevel);
    Text(kWho, "Crafter name", n.txtCName, a.txtCName);
    Text(kWho, "Crafter level", n.txtCLevel, a.txtCLevel);
    Add(kWho, "Display", n.optCap, a.optCap,
        [](const ui::OptionButton& cap) { return std::string(ui::kDisplayChoices[cap.Value()]); });
    Add(kWho, "Count Equipped Items Only", n.mnuEquippedOnly, a.mnuEquippedOnly,
        [](const ui::MenuItem& m) { return std::string(m.Checked() ? "yes" : "no"); });
    for (size_t p = 0; p < ui::kPanels.size(); ++p) {
      const ui::MainWindow::PanelControls<true> pn = n.Panel(p), pa = a.Panel(p);
      for (size_t row = 0; row < pn.texts.size(); ++row) {
        Text(kWho, pn.texts[row].accessible_name, pn.texts[row], pa.texts[row]);
        Text(kWho, pn.priorities[row].accessible_name, pn.priorities[row], pa.priorities[row]);
      }
    }
  }

  void Totals() {
    for (const ui::Panel& panel : ui::kPanels) {
      for (size_t row = 0; row < panel.rows.size(); ++row) {
        const int r = static_cast<int>(row);
        Caption(-1, std::string(ui::kGemTypes[panel.type]) + " " + std::string(panel.rows[row]),
                now_.ValueLabel(panel.type, r), after_.ValueLabel(panel.type, r));
      }
    }
  }

  std::vector<RoundTripDifference> differences_;

 private:
  ui::MainWindow& now_;
  ui::MainWindow& after_;
};

}  // namespace

std::vector<RoundTripDifference> CompareRoundTrip(std::string_view text, const Plan& plan,
                                                  const ReferenceTables& tables,
                                                  const ConstantTables& constants) {
  Scratch now(tables, constants);
  // What was never planned, with its tab shown or not: both copies show every tab.
  Plan untouched = CapturePlan(*now.window);
  Plan planned = plan;
  for (int k = 0; k < ui::kItemCount; ++k) {
    PrepareItem(untouched, k);
    PrepareItem(planned, k);
  }
  RestorePlan(*now.window, now.calc, plan);
  now.Settle();

  Scratch after(tables, constants);
  ImportItemSetText(*after.window, after.calc, tables, text, "item set");
  after.Settle();

  Comparison comparison(*now.window, *after.window);
  for (int k = 0; k < ui::kItemCount; ++k) {
    comparison.Item(k, planned.items[static_cast<size_t>(k)],
                    untouched.items[static_cast<size_t>(k)]);
  }
  comparison.Character();
  comparison.Totals();
  return std::move(comparison.differences_);
}

std::string DescribeDifferences(const std::vector<RoundTripDifference>& differences, size_t shown) {
  std::string text;
  for (size_t i = 0; i < differences.size() && i < shown; ++i) {
    const RoundTripDifference& d = differences[i];
    const std::string where = d.item == RoundTripDifference::kCharacter ? std::string("Character")
                              : d.item < 0
                                  ? std::string("Totals")
                                  : std::string(ui::kItemNames[static_cast<size_t>(d.item)]);
    text += where + ", " + d.what + ": " + Quoted(d.now) + " now, " + Quoted(d.after) +
            " after opening\n";
  }
  if (differences.size() > shown) {
    text += "... and " + std::to_string(differences.size() - shown) + " more\n";
  }
  return text;
}

}  // namespace gw
