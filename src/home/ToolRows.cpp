// The keyword rows after the formulas: each opens one of the tools. Their keywords are found
// nowhere else in the table, so every earlier keyword does what it did before.
#include "home/SearchTable.h"

#include <array>

namespace fincalc {

namespace {

constexpr SearchEntry opens(std::string_view keyword, int target) {
    return {keyword, SearchKind::OpenScreen, target, {}};
}

constexpr std::array kRows{
    opens("现金流量分析", 163), opens("内含报酬率计算", 163), opens("净现值计算", 163),
    opens("现值指数", 163),     opens("回收期", 163),         opens("投资回收期", 163),
    opens("利率推算", 164),     opens("期数推算", 164),       opens("到期收益率", 164),
    opens("贷款", 165),         opens("还款计划", 165),       opens("等额本息", 165),
    opens("等额本金", 165),     opens("房贷", 165),
};

} // namespace

std::span<const SearchEntry> toolRows() { return kRows; }

} // namespace fincalc
