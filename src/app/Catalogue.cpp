#include "app/Catalogue.h"

namespace fincalc {

Screen::Screen(ScreenDesign d) : design(std::move(d)) {
    for (const Control* field : design.fields())
        texts[field->name] = field->text;
}

bool ScreenCatalogue::exists(int number) const {
    if (number < 1 || number > kScreenCount)
        return false;
    return screens_[number] != nullptr || isDeclared(number);
}

Screen* ScreenCatalogue::get(int number) {
    if (number < 1 || number > kScreenCount)
        return nullptr;
    if (!screens_[number]) {
        auto design = declareScreen(number);
        if (!design)
            return nullptr;
        screens_[number] = std::make_unique<Screen>(std::move(*design));
    }
    return screens_[number].get();
}

Screen* ScreenCatalogue::created(int number) const {
    if (number < 1 || number > kScreenCount)
        return nullptr;
    return screens_[number].get();
}

} // namespace fincalc
