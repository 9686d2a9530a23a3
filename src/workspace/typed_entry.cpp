#include "workspace/typed_entry.h"

#include "textio/numberread.h"

namespace tintara::workspace {

namespace {
struct FormInfo {
    std::string_view name;
    int count;
};
constexpr FormInfo forms[] = {{"munsell", 3}, {"xyz", 3}, {"xy", 3}, {"lab", 3}, {"rgb", 3}, {"cmyk", 4}};

std::vector<ui::TextBox*> boxesOf(Form1& w, EntryForm form) {
    switch (form) {
    case EntryForm::Munsell: return {&w.Text12[0], &w.Text12[1], &w.Text12[2]};
    case EntryForm::Xyz: return {&w.Text11[0], &w.Text11[1], &w.Text11[2]};
    case EntryForm::Xy: return {&w.Text18[0], &w.Text18[1], &w.Text11[1]};
    case EntryForm::Lab: return {&w.Text15[0], &w.Text15[1], &w.Text15[2]};
    case EntryForm::Rgb: return {&w.Text1[0], &w.Text1[1], &w.Text1[2]};
    case EntryForm::Cmyk: return {&w.Text2[0], &w.Text2[1], &w.Text2[2], &w.Text2[3]};
    }
    return {};
}
}  // namespace

std::optional<EntryForm> entryForm(std::string_view name) {
    for (int i = 0; i < int(std::size(forms)); ++i)
        if (forms[i].name == name) return EntryForm(i);
    return std::nullopt;
}

int valueCount(EntryForm form) { return forms[int(form)].count; }

void typeEntry(Form1& window, EntryForm form, const std::vector<std::string>& values) {
    const auto boxes = boxesOf(window, form);
    for (std::size_t i = 0; i < boxes.size() && i < values.size(); ++i) {
        boxes[i]->gotFocus();
        boxes[i]->setText(values[i]);
    }
    boxes.front()->gotFocus();
    boxes.front()->keyDown(ui::keyEnter);
}

const std::string& refusalOf(const Form1& window) { return window.refusal(); }

void chooseIlluminant(Form1& window, colorimetry::Condition condition) { window.Option1[int(condition)].select(); }

void setPwd(Form1& window, bool ticked) { window.Check1.setValue(ticked ? 1 : 0); }

bool typeGamma(Form1& window, std::string_view gamma) {
    const auto value = textio::parseNumber(gamma);
    if (!value || *value < 1 || *value > 3) return false;
    ui::TextBox& box = window.Text5;
    box.select(0, int(box.text().size()));
    box.type(std::string(gamma));
    return true;
}

bool pressMeasure(Form1& window) {
    window.Command8.click();
    return window.measurementShown();
}

const std::string& messageLine(const Form1& window) { return window.Text3.text(); }

void watchMessageLine(Form1& window, std::function<void(const std::string&)> seen) {
    window.Text3.onChange = [&window, shown = window.Text3.onChange, seen = std::move(seen)] {
        if (shown) shown();
        if (!window.Text3.text().empty()) seen(window.Text3.text());
    };
}

bool saveToPalette(Form1& window, const std::string& file, const std::string& tag) {
    window.paletteFile = file;
    window.paletteTag = tag;
    return window.SaveData(false);
}

std::vector<std::pair<std::string, std::string>> shownFields(const Form1& w) {
    std::vector<std::pair<std::string, std::string>> fields;
    auto put = [&](const char* name, const std::string& text) { fields.emplace_back(name, text); };
    put("munsell.hue", w.Text12[0].text());
    put("munsell.value", w.Text12[1].text());
    put("munsell.chroma", w.Text12[2].text());
    put("xyz.X", w.Text11[0].text());
    put("xyz.Y", w.Text11[1].text());
    put("xyz.Z", w.Text11[2].text());
    put("xy.x", w.Text18[0].text());
    put("xy.y", w.Text18[1].text());
    put("lab.L", w.Text15[0].text());
    put("lab.a", w.Text15[1].text());
    put("lab.b", w.Text15[2].text());
    put("rgb.R", w.Text1[0].text());
    put("rgb.G", w.Text1[1].text());
    put("rgb.B", w.Text1[2].text());
    put("cmyk.C", w.Text2[0].text());
    put("cmyk.M", w.Text2[1].text());
    put("cmyk.Y", w.Text2[2].text());
    put("cmyk.K", w.Text2[3].text());
    put("message", w.Label19.caption());
    put("note", w.Text3.text());
    return fields;
}

}  // namespace tintara::workspace
