#include "SvgTemplateClass.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace {

// A recursive-descent reader that works an expression out as it reads it.
class TExpression {
public:
    TExpression(const std::string& Text, const TSvgTemplate::TVariables& Variables, const std::string& Origin)
        : FText(Text), FVars(Variables), FOrigin(Origin) {}

    double Value() {
        const double v = Sum();
        Skip();
        if (FAt != FText.size()) Fail("unexpected '" + FText.substr(FAt) + "'");
        return v;
    }

private:
    [[noreturn]] void Fail(const std::string& Why) const {
        throw std::runtime_error(FOrigin + ": in {{" + FText + "}}: " + Why);
    }
    void Skip() {
        while (FAt < FText.size() && std::isspace(static_cast<unsigned char>(FText[FAt]))) ++FAt;
    }
    bool Take(char C) {
        Skip();
        if (FAt < FText.size() && FText[FAt] == C) {
            ++FAt;
            return true;
        }
        return false;
    }
    double Sum() {
        double v = Product();
        for (;;) {
            if (Take('+')) v += Product();
            else if (Take('-')) v -= Product();
            else return v;
        }
    }
    double Product() {
        double v = Unary();
        for (;;) {
            if (Take('*')) v *= Unary();
            else if (Take('/')) v /= Unary();
            else if (Take('%')) v = std::fmod(v, Unary());
            else return v;
        }
    }
    double Unary() {
        if (Take('-')) return -Unary();
        if (Take('+')) return Unary();
        const double base = Atom();
        if (Take('^')) return std::pow(base, Unary());
        return base;
    }
    double Atom() {
        Skip();
        if (Take('(')) {
            const double v = Sum();
            if (!Take(')')) Fail("missing ')'");
            return v;
        }
        if (FAt >= FText.size()) Fail("expression ends too soon");
        const char c = FText[FAt];
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') {
            size_t used = 0;
            const double v = std::stod(FText.substr(FAt), &used);
            FAt += used;
            return v;
        }
        if (!std::isalpha(static_cast<unsigned char>(c)) && c != '_') Fail(std::string("unexpected '") + c + "'");
        const size_t start = FAt;
        while (FAt < FText.size() && (std::isalnum(static_cast<unsigned char>(FText[FAt])) || FText[FAt] == '_')) ++FAt;
        const std::string name = FText.substr(start, FAt - start);
        if (Take('(')) {
            std::vector<double> args;
            if (!Take(')')) {
                do args.push_back(Sum());
                while (Take(','));
                if (!Take(')')) Fail("missing ')' after the arguments of " + name);
            }
            return Call(name, args);
        }
        if (name == "pi") return M_PI;
        if (name == "tau") return 2 * M_PI;
        const auto it = FVars.find(name);
        if (it == FVars.end()) Fail("no variable '" + name + "'");
        return it->second;
    }
    double Call(const std::string& Name, const std::vector<double>& A) {
        const auto want = [&](size_t N) {
            if (A.size() != N) Fail(Name + " takes " + std::to_string(N) + " arguments");
        };
        const double toRad = M_PI / 180;
        struct TOne {
            const char* Name;
            double (*Fn)(double);
        };
        static const TOne ones[] = {{"sqrt", std::sqrt},   {"abs", std::fabs},   {"floor", std::floor},
                                    {"ceil", std::ceil},   {"round", std::round}, {"asin", std::asin},
                                    {"acos", std::acos},   {"atan", std::atan}};
        for (const auto& one : ones)
            if (Name == one.Name) {
                want(1);
                return one.Fn(A[0]);
            }
        if (Name == "sin" || Name == "cos" || Name == "tan") {
            want(1);
            return Name == "sin" ? std::sin(A[0] * toRad) : Name == "cos" ? std::cos(A[0] * toRad) : std::tan(A[0] * toRad);
        }
        if (Name == "rad") return want(1), A[0] * toRad;
        if (Name == "deg") return want(1), A[0] / toRad;
        if (Name == "atan2") return want(2), std::atan2(A[0], A[1]);
        if (Name == "pow") return want(2), std::pow(A[0], A[1]);
        if (Name == "min") return want(2), std::fmin(A[0], A[1]);
        if (Name == "max") return want(2), std::fmax(A[0], A[1]);
        if (Name == "lt") return want(2), A[0] < A[1] ? 1.0 : 0.0;
        if (Name == "gt") return want(2), A[0] > A[1] ? 1.0 : 0.0;
        if (Name == "le") return want(2), A[0] <= A[1] ? 1.0 : 0.0;
        if (Name == "ge") return want(2), A[0] >= A[1] ? 1.0 : 0.0;
        if (Name == "eq") return want(2), std::fabs(A[0] - A[1]) < 1e-9 ? 1.0 : 0.0;
        if (Name == "clamp") return want(3), std::fmin(std::fmax(A[0], A[1]), A[2]);
        if (Name == "mix") return want(3), A[0] + (A[1] - A[0]) * A[2];
        if (Name == "if") return want(3), A[0] != 0 ? A[1] : A[2];
        if (Name == "smooth") {
            want(1);
            const double t = std::fmin(std::fmax(A[0], 0.0), 1.0);
            return t * t * (3 - 2 * t);
        }
        if (Name == "wave") return want(1), 0.5 - 0.5 * std::cos(2 * M_PI * A[0]);
        Fail("no function '" + Name + "'");
    }

    const std::string& FText;
    const TSvgTemplate::TVariables& FVars;
    const std::string& FOrigin;
    size_t FAt = 0;
};

std::string Trim(const std::string& S) {
    const auto first = S.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return "";
    return S.substr(first, S.find_last_not_of(" \t\r\n") - first + 1);
}

std::string Number(double V) {
    if (std::fabs(V) < 0.0005) return "0";
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", V);
    std::string s = text;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s;
}

}  // namespace

double EvaluateExpression(const std::string& Text, const TSvgTemplate::TVariables& Variables,
                          const std::string& Origin) {
    return TExpression(Text, Variables, Origin).Value();
}

// The parsed template: text, {{expressions}}, lets, loops and choices.
struct TSvgTemplate::TNode {
    enum TKind { nkText, nkValue, nkLet, nkFor, nkIf } Kind = nkText;
    std::string Text;        // text; the expression of a value, let, if; the name of a let or loop
    std::string From, To;    // a loop's bounds
    std::vector<std::unique_ptr<TNode>> Body, Else;
};

namespace {

using TNodeList = std::vector<std::unique_ptr<TSvgTemplate::TNode>>;

// Where the next piece the template owns starts: a {{value}} or one of its own
// instructions. Other instructions (an <?xml ...?> header) are plain text.
size_t NextMark(const std::string& Text, size_t From) {
    static const char* const ours[] = {"<?let ", "<?for ", "<?if ", "<?end?>", "<?else?>"};
    for (size_t at = Text.find_first_of("{<", From); at != std::string::npos; at = Text.find_first_of("{<", at + 1)) {
        if (Text.compare(at, 2, "{{") == 0) return at;
        for (const char* mark : ours)
            if (Text.compare(at, std::char_traits<char>::length(mark), mark) == 0) return at;
    }
    return std::string::npos;
}

// Reads nodes from Text at At until an <?end?> or <?else?> (returned in Stop) or the end.
void ParseNodes(const std::string& Text, size_t& At, TNodeList& Out, std::string& Stop, const std::string& Origin) {
    using TNode = TSvgTemplate::TNode;
    Stop.clear();
    while (At < Text.size()) {
        size_t next = NextMark(Text, At);
        if (next == std::string::npos) next = Text.size();
        if (next > At) {
            auto text = std::make_unique<TNode>();
            text->Text = Text.substr(At, next - At);
            Out.push_back(std::move(text));
        }
        At = next;
        if (At >= Text.size()) return;
        if (Text.compare(At, 2, "{{") == 0) {
            const size_t end = Text.find("}}", At);
            if (end == std::string::npos) throw std::runtime_error(Origin + ": unterminated {{");
            auto node = std::make_unique<TNode>();
            node->Kind = TNode::nkValue;
            node->Text = Text.substr(At + 2, end - At - 2);
            Out.push_back(std::move(node));
            At = end + 2;
            continue;
        }
        const size_t end = Text.find("?>", At);
        if (end == std::string::npos) throw std::runtime_error(Origin + ": unterminated <?");
        const std::string body = Trim(Text.substr(At + 2, end - At - 2));
        At = end + 2;
        if (body == "end" || body == "else") {
            Stop = body;
            return;
        }
        auto node = std::make_unique<TNode>();
        if (body.rfind("let ", 0) == 0) {
            const size_t eq = body.find('=');
            if (eq == std::string::npos) throw std::runtime_error(Origin + ": <?" + body + "?> has no '='");
            node->Kind = TNode::nkLet;
            node->Text = Trim(body.substr(4, eq - 4));
            node->From = Trim(body.substr(eq + 1));
        } else if (body.rfind("for ", 0) == 0) {
            char name[64], from[256], to[256];
            if (std::sscanf(body.c_str() + 4, "%63s %255s %255s", name, from, to) != 3)
                throw std::runtime_error(Origin + ": <?" + body + "?> wants NAME FROM TO");
            node->Kind = TNode::nkFor;
            node->Text = name;
            node->From = from;
            node->To = to;
            std::string stop;
            ParseNodes(Text, At, node->Body, stop, Origin);
            if (stop != "end") throw std::runtime_error(Origin + ": <?" + body + "?> without <?end?>");
        } else if (body.rfind("if ", 0) == 0) {
            node->Kind = TNode::nkIf;
            node->Text = Trim(body.substr(3));
            std::string stop;
            ParseNodes(Text, At, node->Body, stop, Origin);
            if (stop == "else") ParseNodes(Text, At, node->Else, stop, Origin);
            if (stop != "end") throw std::runtime_error(Origin + ": <?" + body + "?> without <?end?>");
        }
        Out.push_back(std::move(node));
    }
}

void ExpandNodes(const TNodeList& Nodes, TSvgTemplate::TVariables& Vars, std::string& Out, const std::string& Origin) {
    using TNode = TSvgTemplate::TNode;
    for (const auto& n : Nodes) {
        switch (n->Kind) {
        case TNode::nkText: Out += n->Text; break;
        case TNode::nkValue: Out += Number(EvaluateExpression(n->Text, Vars, Origin)); break;
        case TNode::nkLet: Vars[n->Text] = EvaluateExpression(n->From, Vars, Origin); break;
        case TNode::nkFor: {
            const long from = std::lround(EvaluateExpression(n->From, Vars, Origin));
            const long to = std::lround(EvaluateExpression(n->To, Vars, Origin));
            for (long i = from; i <= to; ++i) {
                Vars[n->Text] = static_cast<double>(i);
                ExpandNodes(n->Body, Vars, Out, Origin);
            }
            break;
        }
        case TNode::nkIf:
            ExpandNodes(EvaluateExpression(n->Text, Vars, Origin) != 0 ? n->Body : n->Else, Vars, Out, Origin);
            break;
        }
    }
}

}  // namespace

TSvgTemplate::TSvgTemplate(const std::string& Text, const std::string& Origin)
    : FRoot(std::make_unique<TNode>()), FOrigin(Origin) {
    size_t at = 0;
    std::string stop;
    ParseNodes(Text, at, FRoot->Body, stop, Origin);
    if (!stop.empty()) throw std::runtime_error(Origin + ": <?" + stop + "?> without its opening");
}

TSvgTemplate::~TSvgTemplate() = default;
TSvgTemplate::TSvgTemplate(TSvgTemplate&&) noexcept = default;
TSvgTemplate& TSvgTemplate::operator=(TSvgTemplate&&) noexcept = default;

std::string TSvgTemplate::Expand(const TVariables& Variables) const {
    TVariables vars = Variables;
    std::string out;
    ExpandNodes(FRoot->Body, vars, out, FOrigin);
    return out;
}
