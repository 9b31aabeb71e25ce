// SVG drawings that move: a template is SVG text with numbers worked out per animation
// frame, so one drawing poses every frame of a creature or a tool (a worm's wave, a
// ladybug's wing beat, a hammer's swing) instead of each frame being drawn by hand.
//
// Template syntax, expanded before the SVG is parsed:
//   {{EXPR}}                    the value of EXPR (at most three decimals)
//   <?let NAME = EXPR?>         sets a variable for the text after it
//   <?for NAME FROM TO?>...<?end?>     the text repeated for NAME = FROM, FROM + 1, ..., TO
//   <?if EXPR?>...<?else?>...<?end?>   the first part where EXPR is not 0, else the second
// Expressions: numbers, variables, + - * / % ^ (power), unary minus, parentheses, and
// sin cos tan asin acos atan atan2 sqrt abs floor ceil round min max pow clamp(x,a,b)
// mix(a,b,t) smooth(t) (eased 0..1) wave(t) (0..1..0 over one loop) lt gt le ge eq
// (1 or 0) if(c,a,b) rad(deg) deg(rad); constants pi and tau. Angles are in degrees in
// sin, cos and tan, as SVG's rotate() takes them.
#pragma once

#include <map>
#include <memory>
#include <string>

class TSvgTemplate {
public:
    using TVariables = std::map<std::string, double>;
    // Parses the template; Origin names it in error messages. Throws std::runtime_error.
    TSvgTemplate(const std::string& Text, const std::string& Origin);
    ~TSvgTemplate();
    TSvgTemplate(TSvgTemplate&&) noexcept;
    TSvgTemplate& operator=(TSvgTemplate&&) noexcept;
    // The SVG text with the given variables (lets add to a copy of them).
    std::string Expand(const TVariables& Variables) const;

    struct TNode;

private:
    std::unique_ptr<TNode> FRoot;
    std::string FOrigin;
};

// Works out one expression (for callers that read numbers from the catalogue).
double EvaluateExpression(const std::string& Text, const TSvgTemplate::TVariables& Variables,
                          const std::string& Origin);
