// The return and risk calculators: worked values, guards, verdicts and faults, one table per group.
#include "ScreenCases.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace fincalc::test;

// The risk worksheet's probabilities and the outcomes of projects A, B and C, state 1 to 3.
using Column = std::array<const char*, 3>;
Inputs worksheet(Column p, Column a, Column b, Column c) {
    Inputs inputs;
    int k = 1;
    for (const Column& column : {p, a, b, c})
        for (const char* text : column)
            inputs.emplace_back("Text" + std::to_string(k++), text);
    return inputs;
}

const Column kProbabilities = {"0.3", "0.5", "0.2"};
const Column kOutcomes = {"100", "50", "10"};
const Column kEmpty = {"", "", ""};

TEST(RiskTest, AssetReturnAndRequiredReturn) {
    const Inputs asset = {{"Text1", "100"}, {"Text2", "5"}, {"Text3", "110"}};
    const Inputs noPrice = {{"Text2", "5"}, {"Text3", "110"}};
    const Inputs portfolio = {{"Text1", "0.8"}, {"Text2", "1.2"}, {"Text3", "1.5"}, {"Text4", "500"},
                              {"Text5", "300"}, {"Text6", "200"}, {"Text7", "0.1"}, {"Text8", "0.04"}};
    Inputs renamed = portfolio;
    renamed.insert(renamed.end(), {{"Text10", "甲"}, {"Text13", "0.5"}, {"Text14", "9"}, {"Text16", ""}});
    expectLines({
        {"amounts", 9, asset, "Command1", {"利息收益5", "资本利得10", "资产收益15"}},
        {"rates", 9, asset, "Command2", {"利息收益率0.05", "资本利得收益率0.1", "资产收益率0.15"}},
        {"amounts without a price", 9, noPrice, "Command1", {"利息收益5", "资本利得110", "资产收益115"}},
        {"rates without a price", 9, noPrice, "Command2", {"利息收益率", "资本利得收益率", "资产收益率"}},
        {"rates with a negative price",
         9,
         {{"Text1", "-100"}, {"Text2", "5"}, {"Text3", "110"}},
         "Command2",
         {"利息收益率", "资本利得收益率", "资产收益率"}},
        {"required return",
         10,
         {{"Text1", "0.03"}, {"Text2", "0.02"}, {"Text3", "0.04"}},
         "Command1",
         {"必要收益率=纯粹利率+通货膨胀补偿率+风险收益率0.09"}},
        {"coefficient of variation",
         12,
         {{"Text1", "0.05"}, {"Text2", "0.1"}},
         "Command1",
         {"标准离差率=标准离差/期望收益率=0.5"}},
        {"no expected return", 12, {{"Text1", "0.05"}}, "Command1", {"标准离差率=标准离差/期望收益率="}},
        {"negative expected return",
         12,
         {{"Text1", "0.05"}, {"Text2", "-0.1"}},
         "Command1",
         {"标准离差率=标准离差/期望收益率="}},
        {"risk premium", 16, portfolio, "Command1", {"风险收益率=β*(Rm-Rf)0.0636"}},
        {"required return by CAPM", 16, portfolio, "Command2", {"必要收益率=Rf+β*(Rm-Rf)0.1036"}},
        {"edited heading cells", 16, renamed, "Command2", {"必要收益率=Rf+β*(Rm-Rf)0.1036"}},
    });
}

TEST(RiskTest, RiskMeasurement) {
    const Inputs projectA = worksheet(kProbabilities, kOutcomes, kEmpty, kEmpty);
    const Inputs allProjects = worksheet(kProbabilities, kOutcomes, kOutcomes, kOutcomes);
    Inputs renamed = projectA;
    renamed.insert(renamed.end(), {{"Text13", "p"}, {"Text14", "新厂房"}});
    // A's first outcome is 0 with a positive expected value; B's is positive with a negative one.
    const Inputs mixedSigns =
        worksheet(kProbabilities, {"0", "50", "10"}, {"10", "-50", "-10"}, {"-100", "50", "10"});
    expectLines({
        {"expected values", 11, projectA, "Command1", {"EA=∑(Pi*Xi)=57", "EB=∑(Pi*Xi)=0", "EC=∑(Pi*Xi)=0"}},
        {"variances",
         11,
         projectA,
         "Command6",
         {"σA^2=∑(Xi-Ea)^2*Pi=1021", "σB^2=∑(Xi-Eb)^2*Pi=0", "σC^2=∑(Xi-Ec)^2*Pi=0"}},
        {"standard deviations",
         11,
         projectA,
         "Command2",
         {"σA=√(∑(Xi-Ea)^2*Pi)=31.9530906173409", "σB=√(∑(Xi-Eb)^2*Pi)=0", "σC=√(∑(Xi-Ec)^2*Pi)=0"}},
        {"coefficients of variation",
         11,
         projectA,
         "Command3",
         {"Va=σa/Ea=0.560580537146332", "Vb=σb/Eb=", "Vc=σc/Ec="}},
        {"same outcomes for every project",
         11,
         allProjects,
         "Command3",
         {"Va=σa/Ea=0.560580537146332", "Vb=σb/Eb=0.560580537146332", "Vc=σc/Ec=0.560580537146332"}},
        {"edited heading cells",
         11,
         renamed,
         "Command6",
         {"σA^2=∑(Xi-Ea)^2*Pi=1021", "σB^2=∑(Xi-Eb)^2*Pi=0", "σC^2=∑(Xi-Ec)^2*Pi=0"}},
        {"every field empty",
         11,
         {},
         "Command2",
         {"σA=√(∑(Xi-Ea)^2*Pi)=0", "σB=√(∑(Xi-Eb)^2*Pi)=0", "σC=√(∑(Xi-Ec)^2*Pi)=0"}},
        {"every field empty, variation", 11, {}, "Command3", {"Va=σa/Ea=", "Vb=σb/Eb=", "Vc=σc/Ec="}},
        {"no probabilities: every expected value is 0",
         11,
         worksheet(kEmpty, kOutcomes, kOutcomes, kOutcomes),
         "Command3",
         {"Va=σa/Ea=", "Vb=σb/Eb=", "Vc=σc/Ec="}},
        {"the expected value decides, not the first outcome",
         11,
         mixedSigns,
         "Command3",
         {"Va=σa/Ea=0.861459507378741", "Vb=σb/Eb=", "Vc=σc/Ec="}},
        {"a negative variance still prints",
         11,
         worksheet({"-1", "", ""}, {"1", "", ""}, kEmpty, kEmpty),
         "Command6",
         {"σA^2=∑(Xi-Ea)^2*Pi=-4", "σB^2=∑(Xi-Eb)^2*Pi=0", "σC^2=∑(Xi-Ec)^2*Pi=0"}},
    });
}

TEST(RiskTest, PortfolioReturnVarianceAndBeta) {
    const Inputs twoAssets = {{"Text1", "0.1"}, {"Text2", "0.6"}, {"Text3", "0.1"}, {"Text4", "0.2"},
                              {"Text5", "0.4"}, {"Text6", "0.2"}, {"Text13", "0.5"}};
    Inputs uncorrelated = twoAssets;
    uncorrelated.back().second = "";
    const auto holdings = [](const char* betaA, const char* betaB, const char* betaC, const char* quantityC) {
        return Inputs{{"Text1", betaA}, {"Text2", betaB}, {"Text3", betaC},
                      {"Text4", "10"},  {"Text5", "20"},  {"Text6", "5"},
                      {"Text7", "100"}, {"Text8", "50"},  {"Text9", quantityC}};
    };
    const auto portfolio = [](const char* Rm, const char* Rf) {
        return Inputs{{"Text13", "0.1"}, {"Text14", "0.12"}, {"Text15", "0.15"}, {"Text16", "0.5"},
                      {"Text17", "0.3"}, {"Text18", "0.2"},  {"Text27", "0.8"},  {"Text28", "1.2"},
                      {"Text29", "1.5"}, {"Text25", Rm},     {"Text26", Rf},     {"Text19", "某股票"}};
    };
    const Inputs heldAtRiskFree = {{"Text13", "0.04"}, {"Text16", "1"},    {"Text27", "1.3"},
                                   {"Text25", "0.04"}, {"Text26", "0.04"}, {"Text14", "0.5"}};
    expectLines({
        {"two-asset expected return",
         13,
         {{"Text1", "0.6"}, {"Text2", "0.1"}, {"Text3", "0.4"}, {"Text4", "0.2"}, {"Text7", "甲"}},
         "Command1",
         {"∑Wi*E(Ri)=0.14"}},
        {"two-asset variance", 14, twoAssets, "Command1", {"σp^2=w1^2*σ1^2+w2^2*σ2^2+ 2*w1*w2*σ1*σ2=0.0148"}},
        {"two-asset deviation",
         14,
         twoAssets,
         "Command2",
         {"σp=√(w1^2*σ1^2+w2^2*σ2^2+ 2*w1*w2*σ1*σ2)=0.121655250605964"}},
        {"two-asset return", 14, twoAssets, "Command3", {"∑Wi*E(Ri)=0.14"}},
        {"no correlation", 14, uncorrelated, "Command1", {"σp^2=w1^2*σ1^2+w2^2*σ2^2+ 2*w1*w2*σ1*σ2=0.01"}},
        {"beta above 1",
         15,
         holdings("0.8", "1.0", "1.5", "200"),
         "Command1",
         {"β=∑wi*bi=1.1", "说明该单项资产的风险收益率高于市场组合平均风险收益率，",
          "则该单项资产的风险大于整个市场投资组合的风险。"}},
        {"beta exactly 1",
         15,
         holdings("1", "1", "7", "0"),
         "Command1",
         {"β=∑wi*bi=1", "表示该单项资产的风险收益率与市场组合平均风险收益率呈同比例变化，",
          "其风险情况与市场投资组合的风险情况一致。"}},
        {"beta shown as 1 but just below it",
         15,
         holdings("0.1", "0.1", "2.8", "200"),
         "Command1",
         {"β=∑wi*bi=1", "说明该单项资产的风险收益率小于市场组合平均风险收益率，",
          "则该单项资产的风险程度小于整个市场投资组合的风险。"}},
        {"one asset's expected return",
         17,
         {{"Text1", "0.3"},
          {"Text2", "0.5"},
          {"Text3", "0.2"},
          {"Text4", "0.2"},
          {"Text5", "0.1"},
          {"Text6", "-0.05"},
          {"Text7", "好"}},
         "Command1",
         {"该资产的预期收益率=0.1"}},
        {"portfolio return", 17, portfolio("0.12", "0.04"), "Command2", {"该组合的预期收益率=0.116"}},
        {"portfolio beta", 17, portfolio("0.12", "0.04"), "Command3", {"该证券的β系数=1.06"}},
        {"required above expected",
         17,
         portfolio("0.12", "0.04"),
         "Command4",
         {"该组合的必要收益率=0.1248", "不适合投资"}},
        {"required below expected",
         17,
         portfolio("0.1", "0.04"),
         "Command4",
         {"该组合的必要收益率=0.1036", "适合投资"}},
        {"required equal to expected",
         17,
         heldAtRiskFree,
         "Command4",
         {"该组合的必要收益率=0.04", "宜观望投资"}},
    });
}

TEST(RiskTest, FaultsPrintNothing) {
    expectLines({
        {"values cancelling out", 9, {{"Text1", "-1E308"}, {"Text3", "1E308"}}, "Command1", {}, "overflow"},
        {"outcomes beyond range",
         11,
         worksheet({"1E300", "", ""}, {"1E300", "", ""}, kEmpty, kEmpty),
         "Command1",
         {},
         "overflow"},
        {"negative variance",
         11,
         worksheet({"-1", "", ""}, {"1", "", ""}, kEmpty, kEmpty),
         "Command2",
         {},
         "invalid-operation"},
        {"negative variance, variation",
         11,
         worksheet({"-1", "", ""}, {"1", "", ""}, kEmpty, kEmpty),
         "Command3",
         {},
         "invalid-operation"},
        {"correlation below -1",
         14,
         {{"Text1", "0.1"}, {"Text2", "0.6"}, {"Text4", "0.2"}, {"Text5", "0.4"}, {"Text13", "-5"}},
         "Command2",
         {},
         "invalid-operation"},
        {"no holdings", 15, {{"Text1", "1"}}, "Command1", {}, "invalid-operation"},
        {"holdings cancelling out",
         15,
         {{"Text4", "10"}, {"Text5", "10"}, {"Text7", "1"}, {"Text8", "-1"}},
         "Command1",
         {},
         "division-by-zero"},
        {"no values, risk premium",
         16,
         {{"Text1", "1"}, {"Text7", "0.1"}},
         "Command1",
         {},
         "invalid-operation"},
        {"no values, required return",
         16,
         {{"Text1", "1"}, {"Text7", "0.1"}},
         "Command2",
         {},
         "invalid-operation"},
        {"values cancelling out",
         16,
         {{"Text4", "100"}, {"Text5", "-100"}},
         "Command2",
         {},
         "division-by-zero"},
    });
}

} // namespace
