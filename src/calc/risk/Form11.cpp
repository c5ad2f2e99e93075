// Risk of three projects over three states: expected value, variance, standard deviation and
// coefficient of variation.
#include "app/Session.h"

#include <array>

namespace fincalc {

namespace {

constexpr int kProjects = 3; // A, B and C
constexpr int kStates = 3;

// The probabilities and the outcomes, read in field order; the heading cells are not read.
struct Worksheet {
    explicit Worksheet(const Ctx& c) {
        for (int s = 0; s < kStates; ++s)
            p[s] = c.num(1 + s);
        for (int k = 0; k < kProjects; ++k)
            for (int s = 0; s < kStates; ++s)
                x[k][s] = c.num(4 + kStates * k + s);
    }

    std::array<Num, kStates> p;
    std::array<std::array<Num, kStates>, kProjects> x; // per project, its outcome in each state
};

using Measure = Value (*)(const Worksheet&, int project);

Value expected(const Worksheet& w, int k) {
    return w.p[0] * w.x[k][0] + w.p[1] * w.x[k][1] + w.p[2] * w.x[k][2];
}

Value variance(const Worksheet& w, int k) {
    const Num E = expected(w, k);
    return pow(w.x[k][0] - E, 2) * w.p[0] + pow(w.x[k][1] - E, 2) * w.p[1] + pow(w.x[k][2] - E, 2) * w.p[2];
}

Value deviation(const Worksheet& w, int k) { return sqrt(variance(w, k)); }

// Computed only for a project whose expected value is positive.
Value variation(const Worksheet& w, int k) {
    const Num sigma = deviation(w, k), E = expected(w, k);
    Value V;
    if (E > 0)
        V = sigma / E;
    return V;
}

// A button printing one line per project; all three are computed first, so a fault prints none.
Handler perProject(std::array<const char*, kProjects> texts, Measure measure) {
    return [texts, measure](Ctx& c) {
        const Worksheet w(c);
        std::array<Value, kProjects> results;
        for (int k = 0; k < kProjects; ++k)
            results[k] = measure(w, k);
        for (int k = 0; k < kProjects; ++k)
            c.print(texts[k], results[k]);
    };
}

} // namespace

ScreenDesign declareForm11() {
    return ScreenDesign(11)
        .heading("Label1", "风险衡量")
        .box("Text13", 1, 0, "概率")
        .box("Text14", 1, 1, "A项目")
        .box("Text15", 1, 2, "B项目")
        .box("Text16", 1, 3, "C项目")
        .box("Text1", 2, 0)
        .box("Text4", 2, 1)
        .box("Text7", 2, 2)
        .box("Text10", 2, 3)
        .box("Text2", 3, 0)
        .box("Text5", 3, 1)
        .box("Text8", 3, 2)
        .box("Text11", 3, 3)
        .box("Text3", 4, 0)
        .box("Text6", 4, 1)
        .box("Text9", 4, 2)
        .box("Text12", 4, 3)
        .button("Command1", "求期望值E",
                perProject({"EA=∑(Pi*Xi)=", "EB=∑(Pi*Xi)=", "EC=∑(Pi*Xi)="}, expected))
        .button("Command6", "求方差σ^2",
                perProject({"σA^2=∑(Xi-Ea)^2*Pi=", "σB^2=∑(Xi-Eb)^2*Pi=", "σC^2=∑(Xi-Ec)^2*Pi="}, variance))
        .button(
            "Command2", "求标准差σ",
            perProject({"σA=√(∑(Xi-Ea)^2*Pi)=", "σB=√(∑(Xi-Eb)^2*Pi)=", "σC=√(∑(Xi-Ec)^2*Pi)="}, deviation))
        .button("Command3", "求标准离差率V", perProject({"Va=σa/Ea=", "Vb=σb/Eb=", "Vc=σc/Ec="}, variation))
        .buttonColumns(4)
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
