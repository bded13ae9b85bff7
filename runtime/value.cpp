#include "runtime/value.h"

#include "runtime/numbers.h"

namespace runtime {

Text Value::AsText() const {
  struct Visitor {
    Text operator()(std::int32_t i) const { return ToText(i); }
    Text operator()(double d) const { return ToText(d); }
    Text operator()(bool b) const { return b ? "真" : "假"; }
    Text operator()(const Text& t) const { return t; }
    Text operator()(const FontRecord&) const { return {}; }
  };
  return std::visit(Visitor{}, v_);
}

double Value::AsNumber() const {
  struct Visitor {
    double operator()(std::int32_t i) const { return i; }
    double operator()(double d) const { return d; }
    double operator()(bool b) const { return b ? 1 : 0; }
    double operator()(const Text& t) const { return ToNumber(t); }
    double operator()(const FontRecord&) const { return 0; }
  };
  return std::visit(Visitor{}, v_);
}

std::int32_t Value::AsInteger() const { return TruncateToInt(AsNumber()); }

}  // namespace runtime
