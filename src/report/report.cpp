#include "report/report.h"

#include <algorithm>
#include <charconv>

#include "calc/cap_rule.h"
#include "common/convert.h"
#include "common/terminal_text.h"
#include "common/text.h"

namespace gw::report {

namespace {

Figure Of(const ui::Label& label) {
  return {label.name(), label.Caption()};
}
Figure Of(const ui::TextBox& box) {
  return {box.name(), box.Text()};
}
Figure Of(const ui::ComboBox& box) {
  return {box.name(), box.Text()};
}

bool IsControl(unsigned char c) {
  return c < 0x20 || c == 0x7F;
}

// A figure for the text format: as shown, control characters as "?".
std::string Printable(const std::string& bytes) {
  return PrintableText(bytes);
}

// Terminal columns, not bytes, so that names outside ASCII still line up.
size_t Width(const std::string& utf8) {
  return DisplayWidth(utf8);
}

void WriteJsonString(std::ostream& out, const std::string& bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  out << '"';
  for (const char c : ShownText(bytes)) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out << "\\\"";
        break;
      case '\\':
        out << "\\\\";
        break;
      case '\n':
        out << "\\n";
        break;
      case '\r':
        out << "\\r";
        break;
      case '\t':
        out << "\\t";
        break;
      default:
        if (IsControl(u)) {
          out << "\\u00" << kHex[u >> 4] << kHex[u & 0xF];
        } else {
          out << c;
        }
    }
  }
  out << '"';
}

template <class Integer>
std::string Number(Integer value) {
  char buffer[16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace

bool ItemFigures::HasGems() const {
  return std::any_of(gems.begin(), gems.end(), [](const GemFigures& gem) {
    return !gem.type.text.empty() && gem.type.text != "Unused";
  });
}

Report Collect(const ui::MainWindow& w, const ImportProblems& skipped) {
  Report report;
  for (int k = 0; k < ui::kItemCount; ++k) {
    ItemFigures item;
    item.tab = w.SSTab1.captions[static_cast<size_t>(k)];
    item.name = Of(w.txtItemName[k]);
    item.level = Of(w.txtItmlevel[k]);
    item.quality = Of(w.cboItmQual[k]);
    item.crafted = w.optCraft[k].Value();
    item.equipped = w.chkEquip[k].Value();
    for (int g = 0; g < ui::kGemsPerItem; ++g) {
      const int i = ui::GemSlot(k, g);
      item.gems[static_cast<size_t>(g)] = {
          Of(w.cboType[i]),    Of(w.cboEffect[i]),  Of(w.cboAmount[i]),  Of(w.cboGemQual[i]),
          Of(w.lblGemName[i]), Of(w.lblGemCost[i]), Of(w.lblGemPoint[i])};
    }
    item.imbue_points = Of(w.lblImbPoint[k]);
    item.overcharge = Of(w.lblOverc[k]);
    item.cost = Of(w.lblItemCost[k]);
    report.items.push_back(std::move(item));
  }
  for (size_t p = 0; p < ui::kPanels.size(); ++p) {
    const auto controls = w.Panel(p);
    Panel& panel = report.panels.emplace_back(Panel{std::string(Trim(controls.frame.caption)), {}});
    for (size_t i = 0; i < controls.values.size(); ++i) {
      PanelRow& row = panel.rows.emplace_back();
      row.caption = Of(controls.captions[i]);
      row.value = Of(controls.values[i]);
      row.cap = CapOf(controls.texts[i].Text());
      if (row.cap == 0) continue;
      // The label shows the total, or with "Distance to Cap" the distance itself.
      const double shown = ParseNumber(row.value.text);
      row.distance = w.optCap.Value() ? row.value.text : NumberToText(row.cap - shown);
      row.state = controls.values[i].description();
    }
  }
  report.character = {Of(w.txtName),
                      Of(w.cboClass),
                      Of(w.cboLevel),
                      Of(w.txtCName),
                      Of(w.txtCLevel),
                      w.optCap.Value(),
                      w.mnuEquippedOnly.Checked()};
  report.shopping = MakeShoppingList(w);
  report.skipped = skipped.first();
  report.skipped_more = skipped.more();
  return report;
}

void WriteText(std::ostream& out, const Report& report) {
  // Every gem row of the report shares one set of columns, so two reports diff line by line.
  enum Column { kType, kEffect, kAmount, kQuality, kName, kPrice, kPoints, kColumns };
  std::array<size_t, kColumns> width{};
  size_t tab_width = 0;
  for (const ItemFigures& item : report.items) {
    tab_width = std::max(tab_width, Width(item.tab));
    for (const GemFigures& gem : item.gems) {
      const std::array<const Figure*, kColumns> cells = {
          &gem.type, &gem.effect, &gem.amount, &gem.quality, &gem.name, &gem.price, &gem.points};
      for (size_t c = 0; c < kColumns; ++c)
        width[c] = std::max(width[c], Width(Printable(cells[c]->text)));
    }
  }
  for (const ItemFigures& item : report.items) {
    out << PadRight(item.tab + ":", tab_width + 1) << ' ' << Quoted(Printable(item.name.text))
        << ", level " << Printable(item.level.text) << ", quality " << Printable(item.quality.text)
        << ", " << (item.crafted ? "crafted" : "dropped") << ", "
        << (item.equipped ? "equipped" : "not equipped");
    const std::string totals = Printable(item.imbue_points.text) + " | " +
                               Printable(item.overcharge.text) + " | " + Printable(item.cost.text);
    if (!item.HasGems()) {
      out << ", no gems | " << totals << "\n";
      continue;
    }
    out << "\n";
    for (size_t g = 0; g < item.gems.size(); ++g) {
      const GemFigures& gem = item.gems[g];
      out << "  Gem " << g + 1 << "  " << PadRight(Printable(gem.type.text), width[kType]) << "  "
          << PadRight(Printable(gem.effect.text), width[kEffect]) << "  "
          << PadLeft(Printable(gem.amount.text), width[kAmount]) << "  "
          << PadLeft(Printable(gem.quality.text), width[kQuality]) << "  "
          << PadRight(Printable(gem.name.text), width[kName]) << "  "
          << PadLeft(Printable(gem.price.text), width[kPrice]) << "  "
          << PadLeft(Printable(gem.points.text), width[kPoints]) << "\n";
    }
    out << "  " << totals << "\n";
  }
  size_t panel_width = 0, caption_width = 0, value_width = 0;
  for (const Panel& panel : report.panels) {
    panel_width = std::max(panel_width, Width(panel.name));
    for (const PanelRow& row : panel.rows) {
      caption_width = std::max(caption_width, Width(Printable(row.caption.text)));
      value_width = std::max(value_width, Width(Printable(row.value.text)));
    }
  }
  out << "\nTotal cost: " << report.shopping.total << "\n";
  // The character, then its totals as the window reads them.
  const CharacterFigures& c = report.character;
  out << "\nCharacter: " << Quoted(Printable(c.name.text)) << ", class "
      << Quoted(Printable(c.class_name.text)) << ", level " << Quoted(Printable(c.level.text))
      << "; crafter " << Quoted(Printable(c.crafter_name.text)) << ", level "
      << Quoted(Printable(c.crafter_level.text)) << "; " << ui::kDisplayChoices[c.distance_to_cap]
      << "; " << (c.equipped_only ? "equipped items only" : "every item") << "\n";
  for (const Panel& panel : report.panels) {
    for (const PanelRow& row : panel.rows) {
      out << PadRight(panel.name, panel_width) << "  "
          << PadRight(Printable(row.caption.text), caption_width) << "  "
          << PadLeft(Printable(row.value.text), value_width);
      if (row.cap > 0) {
        out << "  cap " << std::to_string(row.cap) << ", distance " << row.distance;
        if (!row.state.empty()) out << ", " << row.state;
      }
      out << "\n";
    }
  }
  if (!report.skipped.empty()) {
    out << "\nSkipped values:\n";
    for (const ImportProblem& problem : report.skipped)
      out << "  line " << Number(problem.line) << ": " << Printable(problem.reason) << "\n";
    if (report.skipped_more > 0) out << "  ... and " << Number(report.skipped_more) << " more\n";
  }
}

void WriteJson(std::ostream& out, const Report& report) {
  const auto field = [&out](const char* indent, const char* key, const std::string& value,
                            bool last = false) {
    out << indent << '"' << key << "\": ";
    WriteJsonString(out, value);
    out << (last ? "\n" : ",\n");
  };
  const CharacterFigures& c = report.character;
  out << "{\n  \"character_info\": {\n";
  field("    ", "name", c.name.text);
  field("    ", "class", c.class_name.text);
  field("    ", "level", c.level.text);
  field("    ", "crafter_name", c.crafter_name.text);
  field("    ", "crafter_level", c.crafter_level.text);
  field("    ", "display", std::string(ui::kDisplayChoices[c.distance_to_cap]));
  out << "    \"equipped_only\": " << (c.equipped_only ? "true" : "false") << "\n  },\n";
  out << "  \"items\": [\n";
  for (size_t k = 0; k < report.items.size(); ++k) {
    const ItemFigures& item = report.items[k];
    out << "    {\n";
    field("      ", "tab", item.tab);
    field("      ", "name", item.name.text);
    field("      ", "level", item.level.text);
    field("      ", "quality", item.quality.text);
    out << "      \"crafted\": " << (item.crafted ? "true" : "false") << ",\n";
    out << "      \"equipped\": " << (item.equipped ? "true" : "false") << ",\n";
    out << "      \"gems\": [\n";
    for (size_t g = 0; g < item.gems.size(); ++g) {
      const GemFigures& gem = item.gems[g];
      out << "        {\n";
      field("          ", "type", gem.type.text);
      field("          ", "effect", gem.effect.text);
      field("          ", "amount", gem.amount.text);
      field("          ", "quality", gem.quality.text);
      field("          ", "name", gem.name.text);
      field("          ", "price", gem.price.text);
      field("          ", "points", gem.points.text, true);
      out << (g + 1 < item.gems.size() ? "        },\n" : "        }\n");
    }
    out << "      ],\n";
    field("      ", "imbue_points", item.imbue_points.text);
    field("      ", "overcharge", item.overcharge.text);
    field("      ", "cost", item.cost.text, true);
    out << (k + 1 < report.items.size() ? "    },\n" : "    }\n");
  }
  out << "  ],\n  \"total_cost\": ";
  WriteJsonString(out, report.shopping.total);
  out << ",\n  \"shopping\": [";
  const std::vector<ShoppingRow>& rows = report.shopping.rows;
  for (size_t r = 0; r < rows.size(); ++r) {
    out << (r == 0 ? "\n" : ",\n") << "    {\"gem\": ";
    WriteJsonString(out, rows[r].gem);
    out << ", \"count\": " << Number(rows[r].count) << ", \"each\": ";
    WriteJsonString(out, rows[r].each);
    out << ", \"all\": ";
    WriteJsonString(out, rows[r].all);
    out << "}";
  }
  out << (rows.empty() ? "],\n" : "\n  ],\n");
  out << "  \"character\": [\n";
  for (size_t p = 0; p < report.panels.size(); ++p) {
    const Panel& panel = report.panels[p];
    out << "    {\n";
    field("      ", "panel", panel.name);
    out << "      \"rows\": [\n";
    for (size_t r = 0; r < panel.rows.size(); ++r) {
      out << "        {\"caption\": ";
      WriteJsonString(out, panel.rows[r].caption.text);
      out << ", \"value\": ";
      WriteJsonString(out, panel.rows[r].value.text);
      if (const PanelRow& row = panel.rows[r]; row.cap > 0) {
        out << ", \"cap\": " << std::to_string(row.cap) << ", \"distance\": ";
        WriteJsonString(out, row.distance);
        out << ", \"state\": ";
        WriteJsonString(out, row.state);
      }
      out << (r + 1 < panel.rows.size() ? "},\n" : "}\n");
    }
    out << "      ]\n";
    out << (p + 1 < report.panels.size() ? "    },\n" : "    }\n");
  }
  out << "  ],\n  \"skipped\": [";
  for (size_t s = 0; s < report.skipped.size(); ++s) {
    out << (s == 0 ? "\n" : ",\n") << "    {\"line\": " << Number(report.skipped[s].line)
        << ", \"reason\": ";
    WriteJsonString(out, report.skipped[s].reason);
    out << "}";
  }
  out << (report.skipped.empty() ? "],\n" : "\n  ],\n");
  out << "  \"skipped_more\": " << Number(report.skipped_more) << "\n}\n";
}

}  // namespace gw::report
