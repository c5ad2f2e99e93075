#include "cli/Driver.h"

#include "app/Chart.h"
#include "app/ScreenFile.h"
#include "export/Workbook.h"

#include <istream>
#include <ostream>

namespace fincalc {

namespace {

struct Target {
    int screen = 0;
    std::string_view control;
};

// "FormN.NAME"
Target parseTarget(std::string_view text) {
    const auto dot = text.find('.');
    if (dot == std::string_view::npos)
        return {};
    return {screenNumber(text.substr(0, dot)), text.substr(dot + 1)};
}

} // namespace

std::string escapeField(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

Driver::Driver(std::ostream& out, bool echo, Files files) : out_(out), echo_(echo), files_(files) {
    session_.addObserver(this);
    session_.start();
}

Driver::~Driver() { session_.removeObserver(this); }

void Driver::onEvent(const Event& e) {
    const std::string screen = screenName(e.screen);
    switch (e.kind) {
    case Event::Kind::Show:
        out_ << "show\t" << screen << '\n';
        break;
    case Event::Kind::Hide:
        out_ << "hide\t" << screen << '\n';
        break;
    case Event::Kind::Print:
        out_ << "print\t" << screen << '\t' << escapeField(e.text) << '\n';
        break;
    case Event::Kind::Clear:
        out_ << "clear\t" << screen << '\n';
        break;
    case Event::Kind::Write:
        out_ << "write\t" << screen << '.' << e.control << '\t' << escapeField(e.text) << '\n';
        break;
    case Event::Kind::Message:
        out_ << "message\t" << escapeField(e.text) << '\n';
        break;
    case Event::Kind::Fault:
        out_ << "fault\t" << screen << '\t' << faultName(e.fault) << '\n';
        break;
    case Event::Kind::End:
        out_ << "end\n";
        break;
    }
}

void Driver::error(std::string_view message) {
    failed_ = true;
    out_ << "error\t" << escapeField(message) << '\n';
}

int Driver::run(std::istream& script) {
    std::string line;
    while (!session_.ended() && std::getline(script, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        command(line);
    }
    out_.flush();
    return failed_ ? 1 : 0;
}

bool Driver::command(std::string_view line) {
    if (line.empty() || line.front() == '#' || session_.ended())
        return !session_.ended();
    if (echo_)
        out_ << ">\t" << line << '\n';
    const auto space = line.find(' ');
    const std::string_view verb = line.substr(0, space);
    const std::string_view rest =
        space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
    if (!runCommand(verb, rest))
        error("unknown command: " + std::string(line));
    return !session_.ended();
}

// Carries out one command, reporting an error when it cannot; false for an unknown verb.
bool Driver::runCommand(std::string_view verb, std::string_view rest) {
    const auto fail = [&](std::string_view why) {
        error(std::string(why) + ": " + std::string(rest));
        return true;
    };

    if (verb == "menu") {
        if (!session_.visible(1))
            return fail("screen not shown");
        if (!session_.pickMenu(rest))
            return fail("unknown menu item");
        return true;
    }
    if (verb == "open" || verb == "close" || verb == "dump") {
        const int screen = screenNumber(rest);
        if (!session_.exists(screen))
            return fail("unknown screen");
        if (verb == "open") {
            session_.open(screen);
        } else if (verb == "close") {
            if (!session_.close(screen))
                return fail("screen not shown");
        } else {
            const Screen* s = session_.screen(screen);
            if (!s)
                return fail("screen not shown");
            for (const Control* field : s->design.fields())
                out_ << "text\t" << screenName(screen) << '.' << field->name << '\t'
                     << escapeField(s->texts.find(field->name)->second) << '\n';
            for (const std::string& printed : s->lines)
                out_ << "line\t" << screenName(screen) << '\t' << escapeField(printed) << '\n';
        }
        return true;
    }
    if (verb == "type" || verb == "click" || verb == "read") {
        const auto space = rest.find(' ');
        const Target target = parseTarget(rest.substr(0, space));
        if (verb != "type" && space != std::string_view::npos)
            return fail("bad command");
        if (!session_.exists(target.screen))
            return fail("unknown screen");
        const Screen* s = session_.screen(target.screen);
        const Control* control = s ? s->design.find(target.control) : nullptr;
        if (s && !control)
            return fail("unknown control");
        if (!s || (verb != "read" && !s->visible))
            return fail("screen not shown");
        if (verb != "click" && control->kind != ControlKind::Field)
            return fail("not an input field");
        if (verb == "type") {
            const std::string_view text =
                space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
            session_.type(target.screen, target.control, std::string(text));
        } else if (verb == "click") {
            session_.click(target.screen, target.control);
        } else {
            out_ << "text\t" << screenName(target.screen) << '.' << control->name << '\t'
                 << escapeField(s->texts.find(control->name)->second) << '\n';
        }
        return true;
    }
    if (verb == "chart") {
        const int screen = screenNumber(rest);
        if (!session_.exists(screen))
            return fail("unknown screen");
        if (!hasChart(screen))
            return fail("no chart");
        if (!session_.visible(screen))
            return fail("screen not shown");
        printChart(screen);
        return true;
    }
    // Saving and exporting take a created screen, as `dump` does; loading a shown one, as `type` does.
    if (verb == "save" || verb == "load" || verb == "export") {
        const auto space = rest.find(' ');
        const int screen = screenNumber(rest.substr(0, space));
        const std::string path =
            space == std::string_view::npos ? std::string() : std::string(rest.substr(space + 1));
        if (path.empty())
            return fail("bad command");
        if (!session_.exists(screen))
            return fail("unknown screen");
        const Screen* s = session_.screen(screen);
        if (!s || (verb == "load" && !s->visible))
            return fail("screen not shown");
        if (files_ == Files::Refused)
            return fail("files are not allowed here");
        const auto refused = verb == "save"   ? saveScreen(*s, path)
                             : verb == "load" ? openScreen(session_, screen, path)
                                              : exportWorkbook(*s, path);
        if (refused)
            return fail(describe(*refused));
        return true;
    }
    return false;
}

// One line for the chart, its note, each plot with its axes, each series point and each mark.
void Driver::printChart(int screen) {
    const std::string form = screenName(screen);
    const Chart chart = chartOf(screen, Fields(session_.screen(screen)->texts));
    out_ << "chart\t" << form << '\t' << escapeField(chart.title) << '\n';
    if (!chart.note.empty())
        out_ << "note\t" << form << '\t' << escapeField(chart.note) << '\n';
    for (const ChartPlot& plot : chart.plots) {
        out_ << "plot\t" << form << '\t' << escapeField(plot.title) << '\t' << escapeField(plot.x.title)
             << '\t' << escapeField(plot.y.title) << '\n';
        for (const ChartSeries& series : plot.series)
            for (const ChartPoint& p : series.points)
                out_ << "point\t" << form << '\t' << escapeField(series.name) << '\t' << FormatNumber(p.x)
                     << '\t' << FormatNumber(p.y) << '\n';
        for (const ChartMark& mark : plot.marks)
            out_ << "mark\t" << form << '\t' << escapeField(mark.label) << '\t' << FormatNumber(mark.at.x)
                 << '\t' << FormatNumber(mark.at.y) << '\n';
    }
}

} // namespace fincalc
