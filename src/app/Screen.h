// A screen as data: its controls in order, where each stands, and the handlers its clicks run.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace fincalc {

class Ctx;
using Handler = std::function<void(Ctx&)>;

enum class ControlKind { Label, Field, Button };

// Where the front end puts a control: on the screen's grid (labels, fields, worksheet boxes,
// menu buttons), in the row of compute buttons below the grid, or in the column on the right
// ("取消", "退出", "清空").
enum class Area { Grid, Buttons, Side };

struct Control {
    ControlKind kind = ControlKind::Label;
    std::string name{}; // "Label1", "Text3", "Command2"; "" for a label no handler names
    std::string text{}; // caption, or a field's initial text
    Area area = Area::Grid;
    int row = 0;
    int col = 0;
    int colSpan = 1;      // 0: the whole width of the grid
    bool heading = false; // a bold heading label
    std::string buddy{};  // a field's label: the field it names
    Handler onClick{};    // empty: clicking does nothing
};

struct MenuItem {
    std::string name;    // "利率"
    std::string caption; // "利率/年金"
    Handler onClick;
};

// The declaration of one screen. Calculators list headings, labelled fields and buttons and
// get their grid rows in order; worksheets and tables place each box on an explicit cell.
class ScreenDesign {
public:
    explicit ScreenDesign(int number);

    int number() const { return number_; }
    const std::string& title() const { return title_; }
    const std::vector<Control>& controls() const { return controls_; }
    const std::vector<MenuItem>& menu() const { return menu_; }
    int buttonColumns() const { return buttonColumns_; }
    bool hasOutput() const { return hasOutput_; }

    const Control* find(std::string_view name) const;
    Control* find(std::string_view name);
    // The input fields in ascending order of their number.
    std::vector<const Control*> fields() const;

    // Calculator rows, one grid row each.
    ScreenDesign& heading(std::string name, std::string caption);
    ScreenDesign& label(std::string name, std::string caption);
    ScreenDesign& field(std::string name, std::string label, std::string labelName = {});
    // A labelled field at an explicit cell, for screens with several columns of fields: the label
    // there, the field in the next column, starting with the initial text.
    ScreenDesign& field(std::string name, std::string label, int row, int col, std::string labelName = {},
                        std::string initial = {});

    // Buttons: compute buttons below the grid; "取消", "退出" and others in the side column.
    ScreenDesign& button(std::string name, std::string caption, Handler onClick = {});
    ScreenDesign& cancel(std::string name); // "取消": clear the output area
    ScreenDesign& exit(std::string name);   // "退出": hide this screen, show the home screen
    ScreenDesign& side(std::string name, std::string caption, Handler onClick = {});

    // Explicit grid cells, for worksheets, tables and menus.
    ScreenDesign& box(std::string name, int row, int col, std::string initial = {}, Handler onClick = {});
    ScreenDesign& text(std::string name, std::string caption, int row, int col, int colSpan = 1,
                       bool heading = false);
    ScreenDesign& gridButton(std::string name, std::string caption, int row, int col, Handler onClick = {});

    ScreenDesign& title(std::string title);
    ScreenDesign& buttonColumns(int columns);
    ScreenDesign& menuItem(std::string name, std::string caption, Handler onClick);
    ScreenDesign& withoutOutput(); // a screen that never prints (the category menus)

private:
    Control& add(Control control);

    int number_;
    std::string title_;
    std::vector<Control> controls_;
    std::vector<MenuItem> menu_;
    int buttonColumns_ = 3;
    bool hasOutput_ = true;
    int nextRow_ = 0;
};

// A screen's name "FormN", and back: N for a name written without leading zeros, 0 for any other.
std::string screenName(int number);
int screenNumber(std::string_view name);

// The number K of a control named "TextK" (or "CommandK", "LabelK"); 0 when it has none.
int controlNumber(std::string_view name);
std::string fieldName(int k);

} // namespace fincalc
