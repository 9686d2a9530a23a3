// "Import" of the service mode: a file of colour samples converted one by one
// through the main window's own entries, each result written to an output file
// or appended to the palette. A sample the window does not take is written as
// not converted; a line that is not a record of the type, a write that fails
// or Stop ends the run, and the output keeps what it held before.
#include <fstream>
#include <sstream>
#include <utility>

#include "datafiles/import_rows.h"
#include "datafiles/sample_records.h"
#include "munsell/hue_notation.h"
#include "textio/formats.h"
#include "workspace/box_numbers.h"
#include "workspace/form1.h"
#include "workspace/service_run.h"

namespace tintara::workspace {

namespace {

using datafiles::ImportType;

// The message line shows the progress every so many samples: often enough to
// see it move, seldom enough to cost nothing beside the conversions.
constexpr long long progressStep = 100;
// Not-converted samples named in the closing message, so that it stays short.
constexpr std::size_t problemsNamed = 5;
// Sample files hold a few hundred kilobytes; a file far beyond that is not one.
constexpr std::uintmax_t largestInput = 64u << 20;

// Why a field is no number the boxes take (they would read it as 0); nothing
// when it is one.
std::optional<std::string> numberProblem(const std::string& what, const std::string& text) {
    if (numberOf(text)) return std::nullopt;
    return what + " " + text + (textio::parseNumber(text) ? " is out of range" : " is not a number");
}

std::string count(long long n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

class ImportRun {
public:
    ImportRun(Form1& window, ui::Platform& platform, const FileLocations& files, datafiles::WriteSeam* seam,
              const bool& stop)
        : w_(window), platform_(platform), files_(files), seam_(seam), stop_(stop) {}

    ServiceOutcome run(ImportType type);
    // The last sample converted in chart mode, for which the main window's
    // RGB and CMYK fields do not show yet; nothing when there is none.
    const std::optional<std::array<std::string, 3>>& lastChartSample() const { return lastChartSample_; }

private:
    bool chooseInput();
    bool readInput(std::vector<datafiles::InputLine>& lines);
    bool openOutput(const std::string& inputHeader);
    bool importRecord(const datafiles::SampleRecord& record);
    std::optional<std::string> enterSample(const datafiles::SampleRecord& record);
    std::optional<std::string> enterMunsell(const std::string& hue, const std::string& value,
                                            const std::string& chroma);
    std::optional<std::string> enterSpectrum(const datafiles::SampleRecord& record);
    std::optional<std::string> refusal() const;
    datafiles::ShownColour shown() const;
    bool write(const std::string& text);
    void showProgress(long long line, long long lines);
    ServiceOutcome finish();
    ServiceOutcome failed(const std::string& message, bool box = true);
    std::string howFar() const;
    std::string notConvertedText() const;

    Form1& w_;
    ui::Platform& platform_;
    const FileLocations& files_;
    datafiles::WriteSeam* seam_;
    const bool& stop_;

    ImportType type_ = ImportType::LabTable;
    const datafiles::ImportTypeInfo* info_ = nullptr;
    std::filesystem::path input_;
    std::string inputName_;
    std::unique_ptr<datafiles::WholeFile> output_;
    bool outputExisted_ = false;
    long long total_ = 0, notShown_ = 0, saved_ = 0;
    std::vector<std::pair<long long, std::string>> problems_;
    long long notConverted_ = 0;
    std::optional<std::array<std::string, 3>> lastChartSample_;
};

ServiceOutcome ImportRun::run(ImportType type) {
    type_ = type;
    info_ = &datafiles::importTypeInfo(type);
    std::vector<datafiles::InputLine> lines;
    if (!chooseInput() || !readInput(lines)) return failed(w_.Text3.text(), false);
    std::size_t first = 0;
    std::string header;
    if (info_->firstLine != datafiles::FirstLine::Record) {
        header = lines.front().text;
        first = 1;
    }
    if (!openOutput(header)) return failed(output_->error() + ". Nothing was imported.");
    // Without an instrument the weights were never loaded, and every spectrum
    // would integrate to black.
    if (type_ == ImportType::Spectra && w_.weights().Y[0] == 0) w_.getweights();
    w_.Label6.setCaption(inputName_);
    showProgress(0, 0);
    for (std::size_t i = first; i < lines.size(); ++i) {
        const datafiles::InputLine& line = lines[i];
        if (datafiles::isBlankLine(line.text)) continue;
        if (stop_ || w_.exitRequested())
            return failed(
                "Import stopped at line " + std::to_string(line.number) + " of " + inputName_ + "; " + howFar() + ".",
                false);
        std::string problem;
        const auto record = datafiles::recordOf(type_, line, problem);
        if (!record)
            return failed(inputName_ + " line " + std::to_string(line.number) + " " + problem +
                          ". The import stopped; " + howFar() + ".");
        if (!importRecord(*record)) return failed(w_.Text3.text(), false);
        if (total_ % progressStep == 0) showProgress(line.number, lines.back().number);
        platform_.events.doEvents();
    }
    return finish();
}

bool ImportRun::chooseInput() {
    if (info_->input.empty()) {
        const auto chosen = platform_.dialogs.openFile("*.csv|*.csv");
        if (!chosen || chosen->empty()) {
            w_.Text3.setText("Import: no file was chosen");
            return false;
        }
        input_ = files_.workingDir / *chosen;
    } else {
        // The ColorChecker notations ship with the program.
        input_ = type_ == ImportType::ColorChecker ? files_.shipped(info_->input) : files_.working(info_->input);
    }
    inputName_ = input_.filename().string();
    return true;
}

// The output is not touched before the input is known to hold samples.
bool ImportRun::readInput(std::vector<datafiles::InputLine>& lines) {
    std::error_code ec;
    const bool regular = std::filesystem::is_regular_file(input_, ec);
    const auto size = regular ? std::filesystem::file_size(input_, ec) : 0;
    std::ifstream in;
    if (regular && size <= largestInput) in.open(input_, std::ios::binary);
    if (regular && size > largestInput) {
        w_.Text3.setText(input_.string() + " holds " + std::to_string(size >> 20) + " MB; a sample file is at most " +
                         std::to_string(largestInput >> 20) + " MB. Nothing was imported.");
        platform_.dialogs.messageBox(w_.Text3.text(), ui::MessageButtons::OK, ui::MessageIcon::Critical, "Import");
        return false;
    }
    if (!in.is_open() || !in) {
        const std::string why = !std::filesystem::exists(input_, ec) ? "File not found: "
                                : !regular                           ? "Not a file: "
                                                                     : "Cannot read ";
        w_.Text3.setText(why + input_.string());
        platform_.dialogs.messageBox(w_.Text3.text(), ui::MessageButtons::OK, ui::MessageIcon::Critical, "Import");
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    lines = datafiles::inputLines(text.str());
    bool data = false;
    for (const auto& line : lines) data = data || !datafiles::isBlankLine(line.text);
    if (!data) {
        w_.Text3.setText(inputName_ + " holds no samples");
        // The chart files have always said so in these words.
        const std::string box = info_->countsNotShown ? "File not found" : w_.Text3.text();
        platform_.dialogs.messageBox(box, ui::MessageButtons::OK, ui::MessageIcon::Critical, "Import " + inputName_);
        return false;
    }
    return true;
}

bool ImportRun::openOutput(const std::string& inputHeader) {
    if (info_->output.empty()) return true;
    const auto path = files_.workingDir / info_->output;
    std::error_code ec;
    outputExisted_ = std::filesystem::is_regular_file(path, ec);
    output_ = std::make_unique<datafiles::WholeFile>(path, seam_);
    return output_->open() &&
           output_->write(datafiles::importHeader(type_, w_.caption(), outputNotice(w_), inputHeader));
}

bool ImportRun::importRecord(const datafiles::SampleRecord& record) {
    ++total_;
    const auto problem = enterSample(record);
    if (problem) {
        ++notConverted_;
        if (problems_.size() < problemsNamed) problems_.emplace_back(record.line, *problem);
        return write(datafiles::notConvertedRow(type_, record, total_));
    }
    if (type_ == ImportType::XyzToPalette) {
        if (w_.SaveData(false)) {
            ++saved_;
            return true;
        }
        const std::string why =
            w_.paletteFile.empty() ? "no palette file was named" : "it could not be saved to " + w_.paletteFile;
        w_.Text3.setText("The sample of line " + std::to_string(record.line) + " of " + inputName_ +
                         " was not saved: " + why + ". The import stopped; " + howFar() + ".");
        return false;
    }
    const datafiles::ShownColour colour = shown();
    if (info_->countsNotShown) {
        if (datafiles::outsideDisplay(colour.R, colour.G, colour.B)) ++notShown_;
        lastChartSample_ = {w_.Text12[0].text(), w_.Text12[1].text(), w_.Text12[2].text()};
    }
    datafiles::SpectrumNumbers numbers;
    if (type_ == ImportType::Spectra) {
        for (int i = 0; i < datafiles::spectrumPoints; ++i) numbers.reflectance[i] = w_.refl[i + 1];
        w_.tris(numbers.xyz.X, numbers.xyz.Y, numbers.xyz.Z);
    }
    return write(datafiles::importRow(type_, record, total_, colour, numbers));
}

// Types the sample into the boxes of its form and presses Enter there, as a
// person would; what the window said when it did not take the sample.
std::optional<std::string> ImportRun::enterSample(const datafiles::SampleRecord& r) {
    const auto& f = r.fields;
    switch (type_) {
    case ImportType::XyzToPalette:
        w_.paletteTag = f[0];
        for (int i = 0; i < 3; ++i) w_.Text11[i].setText(f[1 + i]);
        w_.xyzEntry();
        return refusal();
    case ImportType::LabTable:
        for (int i = 0; i < 3; ++i) w_.Text15[i].setText(f[i]);
        w_.labEntry();
        return refusal();
    case ImportType::MunsellTable:
    case ImportType::MunsellSteps: return enterMunsell(f[0], f[1], f[2]);
    case ImportType::ColorChecker: return enterMunsell(f[2], f[3], f[4]);
    case ImportType::RhsChart: return enterMunsell(f[3], f[4], f[5]);
    case ImportType::Spectra: return enterSpectrum(r);
    }
    return std::nullopt;
}

// The hue must name its family here: the window's "Format Error" box would
// stop the run for every such sample.
std::optional<std::string> ImportRun::enterMunsell(const std::string& hue, const std::string& value,
                                                   const std::string& chroma) {
    if (!munsell::parseHue(hue).familyFound) return "hue " + hue + " names no hue family";
    if (auto problem = numberProblem("value", value)) return problem;
    if (auto problem = numberProblem("chroma", chroma)) return problem;
    w_.Text12[0].setText(hue);
    w_.Text12[1].setText(value);
    w_.Text12[2].setText(chroma);
    // Raised again for every sample: a chart redrawn on the way may have
    // lowered it.
    if (info_->countsNotShown) w_.chartMode = true;
    w_.vezedu();
    return refusal();
}

std::optional<std::string> ImportRun::enterSpectrum(const datafiles::SampleRecord& r) {
    instruments::Reflectance refl{};
    for (int i = 0; i < datafiles::spectrumPoints; ++i) {
        const std::string& text = r.fields[3 + i];
        if (auto problem = numberProblem("the reflectance at " + std::to_string(360 + 10 * i) + " nm,", text))
            return problem;
        refl[i + 1] = *numberOf(text);
    }
    w_.refl = refl;
    float X = 0, Y = 0, Z = 0;
    w_.tris(X, Y, Z);
    const float xyz[3] = {X, Y, Z};
    for (int i = 0; i < 3; ++i) w_.Text11[i].setText(textio::plainNumber(xyz[i]));
    w_.xyzEntry();
    return refusal();
}

std::optional<std::string> ImportRun::refusal() const {
    if (w_.refusal().empty()) return std::nullopt;
    return w_.refusal();
}

datafiles::ShownColour ImportRun::shown() const {
    datafiles::ShownColour s;
    for (int i = 0; i < 3; ++i) {
        s.munsell[i] = w_.Text12[i].text();
        s.xyz[i] = w_.Text11[i].text();
        s.lab[i] = w_.Text15[i].text();
    }
    for (int i = 0; i < 4; ++i) s.cmyk[i] = w_.Text2[i].text();
    s.R = w_.rgbR, s.G = w_.rgbG, s.B = w_.rgbB;
    return s;
}

bool ImportRun::write(const std::string& text) {
    if (!output_ || text.empty() || output_->write(text)) return true;
    w_.Text3.setText(output_->error() + ". The import stopped after " + count(total_, "sample", "samples") + "; " +
                     howFar() + ".");
    platform_.dialogs.messageBox(w_.Text3.text(), ui::MessageButtons::OK, ui::MessageIcon::Critical, "Import");
    return false;
}

void ImportRun::showProgress(long long line, long long lines) {
    // The service code typed a moment ago may still be selected.
    if (line == 0) w_.Text3.select(0, 0);
    w_.Text3.setText(line == 0 ? "Importing " + inputName_
                               : "Importing " + inputName_ + ": line " + std::to_string(line) + " of " +
                                     std::to_string(lines));
}

ServiceOutcome ImportRun::finish() {
    if (output_ && !output_->commit())
        return failed(output_->error() + ". The import stopped after " + count(total_, "sample", "samples") + "; " +
                      howFar() + ".");
    const std::string into = output_ ? output_->output().filename().string() : w_.paletteFile;
    std::string summary = "Imported " + count(total_, "sample", "samples") + " from " + inputName_;
    if (!into.empty()) summary += " into " + into;
    if (notConverted_ > 0) summary += ", " + std::to_string(notConverted_) + " not converted";
    w_.Text3.setText(summary);
    std::string box;
    if (info_->countsNotShown) box = datafiles::totalsMessage(total_, notShown_);
    if (notConverted_ > 0) box += (box.empty() ? "" : "  ") + notConvertedText();
    if (!box.empty()) platform_.dialogs.messageBox(box);
    return {true, total_ - notConverted_, notConverted_, box.empty() ? summary : box};
}

ServiceOutcome ImportRun::failed(const std::string& message, bool box) {
    if (box) {
        w_.Text3.setText(message);
        platform_.dialogs.messageBox(message, ui::MessageButtons::OK, ui::MessageIcon::Critical, "Import");
    } else if (w_.Text3.text() != message) {
        w_.Text3.setText(message);
    }
    output_.reset();
    return {false, total_ - notConverted_, notConverted_, message};
}

std::string ImportRun::howFar() const {
    if (!output_)
        return saved_ == 0 ? "no sample was saved to the palette"
                           : count(saved_, "sample had", "samples had") + " been saved to " + w_.paletteFile;
    const std::string name = output_->output().filename().string();
    return outputExisted_ ? name + " keeps what it held before" : "no " + name + " was written";
}

std::string ImportRun::notConvertedText() const {
    std::string text = "Not converted " + std::to_string(notConverted_) + ":";
    for (std::size_t i = 0; i < problems_.size(); ++i)
        text += (i ? ", line " : " line ") + std::to_string(problems_[i].first) + " (" + problems_[i].second + ")";
    if (notConverted_ > long(problems_.size())) text += ", ...";
    return text;
}

}  // namespace

// The companion windows sit the run out: redrawing a chart for every sample
// would cost more than the conversion, and a chart's own conversions must not
// touch chart mode under the run. They catch up with the last sample at the end.
void Form1::import_Click() {
    if (serviceRunning_) return;
    const auto answer = platform_.dialogs.inputBox("Type import");
    const auto type = answer ? datafiles::importTypeFor(*answer) : std::nullopt;
    if (!type) return;
    std::optional<std::array<std::string, 3>> last;
    CompanionWindows* const companions = std::exchange(companions_, nullptr);
    {
        ServiceRun run(*this, serviceRunning_);
        stopRequested_ = false;
        stopImport.setVisible(true);
        ImportRun samples(*this, platform_, files_, writeSeam, stopRequested_);
        serviceOutcome_ = samples.run(*type);
        last = samples.lastChartSample();
        stopImport.setVisible(false);
    }
    companions_ = companions;
    if (exitRequested_) return;
    // With chart mode lowered again, the last sample fills every field.
    if (last) {
        for (int i = 0; i < 3; ++i) Text12[i].setText((*last)[i]);
        return vezedu();
    }
    if (!companions_) return;
    if (Check2.ticked()) companions_->fillbook();
    if (Check4.ticked()) companions_->plotvalue(boxNumberOr0(Text12[1]));
    if (Check3.ticked()) {
        companions_->show(Companion::Tolerance);
        companions_->MakeCTol(boxNumberOr0(Text15[0]), boxNumberOr0(Text15[1]), boxNumberOr0(Text15[2]));
    }
}

}  // namespace tintara::workspace
