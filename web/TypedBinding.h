// Registers the core's functions with embind and, from the same
// registrations, writes the TypeScript declarations the page is compiled
// against (web/declarations.mjs), so that a changed C++ signature fails the
// page's type check instead of a pupil's click. It also keeps the first bad
// argument of a call, which web/core-pre.js throws as a JavaScript error once
// the call has returned (a JavaScript exception thrown through WebAssembly
// frames would skip their clean-up).
#pragma once

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace typed {

// A TypeScript type spelled as a template argument.
template <size_t N>
struct TsText {
    char text[N] = {};
    constexpr TsText(const char (&s)[N]) { std::copy_n(s, N, text); }
};

// A JavaScript value declared with the TypeScript type Ts: an array, a typed
// array or an object the page supplies. Pass it by value.
template <TsText Ts>
struct Js {
    static constexpr const char* Type = Ts.text;
    emscripten::val v = emscripten::val::undefined();
};


// A text declared with the TypeScript type Ts, a union of the words it may
// be ("'table' | 'chart'").
template <TsText Ts>
struct Word {
    static constexpr const char* Type = Ts.text;
    std::string text;
};

template <typename T>
struct IsTyped : std::false_type {};
template <TsText Ts>
struct IsTyped<Js<Ts>> : std::true_type {};
template <TsText Ts>
struct IsTyped<Word<Ts>> : std::true_type {};

}  // namespace typed

namespace emscripten::internal {
template <typed::TsText Ts>
struct TypeID<typed::Js<Ts>> {
    static constexpr TYPEID get() { return TypeID<val>::get(); }
};
template <typed::TsText Ts>
struct BindingType<typed::Js<Ts>> {
    using WireType = EM_VAL;
    static WireType toWireType(const typed::Js<Ts>& js) { return BindingType<val>::toWireType(js.v); }
    static typed::Js<Ts> fromWireType(WireType wire) { return {BindingType<val>::fromWireType(wire)}; }
};
template <typed::TsText Ts>
struct TypeID<typed::Word<Ts>> {
    static constexpr TYPEID get() { return TypeID<std::string>::get(); }
};
template <typed::TsText Ts>
struct BindingType<typed::Word<Ts>> {
    using WireType = BindingType<std::string>::WireType;
    static WireType toWireType(const typed::Word<Ts>& word) { return BindingType<std::string>::toWireType(word.text); }
    static typed::Word<Ts> fromWireType(WireType wire) { return {BindingType<std::string>::fromWireType(wire)}; }
};
// Constructors take their arguments as references.
template <typename T>
struct TypeID<T&&, std::enable_if_t<typed::IsTyped<T>::value>> {
    static constexpr TYPEID get() { return TypeID<T>::get(); }
};
template <typename T>
struct TypeID<const T&, std::enable_if_t<typed::IsTyped<T>::value>> {
    static constexpr TYPEID get() { return TypeID<T>::get(); }
};
}  // namespace emscripten::internal

namespace typed {

using TypeName = std::string (*)();

// The name a registered value object is declared under.
template <typename T>
std::string& RecordName() {
    static std::string name;
    return name;
}

template <typename T>
std::string TsOf() {
    using U = std::remove_cvref_t<T>;
    if constexpr (std::is_void_v<U>) return "void";
    else if constexpr (std::is_same_v<U, bool>) return "boolean";
    else if constexpr (std::is_arithmetic_v<U>) return "number";
    else if constexpr (std::is_same_v<U, std::string>) return "string";
    else if constexpr (IsTyped<U>::value) return U::Type;
    else if constexpr (std::is_same_v<U, emscripten::val>) return "unknown";
    // An unregistered record gets a name the type check refuses.
    else return RecordName<U>().empty() ? std::string("UnregisteredRecord") : RecordName<U>();
}

struct Declaration {
    std::string name;
    std::vector<std::string> params;
    std::vector<TypeName> types;
    TypeName result = nullptr;  // none: a constructor
};

struct Registry {
    std::vector<Declaration> functions;
    std::vector<std::pair<std::string, std::vector<Declaration>>> records;  // fields as declarations without parameters
    std::vector<std::pair<std::string, std::vector<Declaration>>> classes;
    std::vector<std::pair<const char*, std::vector<std::pair<const char*, int32_t>>>> constants;
    std::vector<std::string> problems;
};

inline Registry& Registered() {
    static Registry registry;
    return registry;
}

inline std::vector<std::string> ParamNames(const char* list) {
    std::vector<std::string> names;
    std::string name;
    for (const char* p = list; ; ++p) {
        if (*p == ',' || *p == 0) {
            if (!name.empty()) names.push_back(name);
            name.clear();
            if (*p == 0) break;
        } else if (*p != ' ') {
            name += *p;
        }
    }
    return names;
}

// Out of line, so that each registration adds a call and a table, not code.
[[gnu::noinline]] inline void Add(std::vector<Declaration>& to, const char* name, const char* params,
                                  const TypeName* types, size_t count, TypeName result) {
    Declaration d{name, ParamNames(params), std::vector<TypeName>(types, types + count), result};
    if (d.params.size() != count)
        Registered().problems.push_back(d.name + ": " + std::to_string(count) + " parameters, " +
                                        std::to_string(d.params.size()) + " names");
    to.push_back(std::move(d));
}

template <typename R, typename... A>
void Declare(std::vector<Declaration>& to, const char* name, const char* params, bool constructor = false) {
    static constexpr TypeName types[sizeof...(A) + 1] = {&TsOf<A>..., nullptr};
    Add(to, name, params, types, sizeof...(A), constructor ? nullptr : &TsOf<R>);
}

// A free function; params names its parameters ("x, y").
template <typename R, typename... A>
void Function(const char* name, const char* params, R (*fn)(A...)) {
    emscripten::function(name, fn);
    Declare<R, A...>(Registered().functions, name, params);
}
template <typename F>
void Function(const char* name, const char* params, F lambda) {
    Function(name, params, +lambda);
}

// A plain object the page gets (or gives) by value, field by field.
template <typename T>
class Record {
public:
    explicit Record(const char* name) : object_(name) {
        RecordName<T>() = name;
        Registered().records.push_back({name, {}});
        index_ = Registered().records.size() - 1;
    }
    template <typename F>
    Record& field(const char* name, F T::*member) {
        object_.field(name, member);
        Add(Registered().records[index_].second, name, "", nullptr, 0, &TsOf<F>);
        return *this;
    }

private:
    emscripten::value_object<T> object_;
    size_t index_ = 0;
};

// A class the page constructs with new.
template <typename C>
class Class {
public:
    explicit Class(const char* name) : class_(name) {
        Registered().classes.push_back({name, {}});
        index_ = Registered().classes.size() - 1;
    }
    template <typename... A>
    Class& constructor(const char* params) {
        class_.template constructor<A...>();
        Declare<void, A...>(Registered().classes[index_].second, "new", params, true);
        return *this;
    }
    template <typename R, typename... A>
    Class& method(const char* name, const char* params, R (C::*fn)(A...)) {
        class_.function(name, fn);
        Declare<R, A...>(Registered().classes[index_].second, name, params);
        return *this;
    }
    template <typename R, typename... A>
    Class& method(const char* name, const char* params, R (C::*fn)(A...) const) {
        class_.function(name, fn);
        Declare<R, A...>(Registered().classes[index_].second, name, params);
        return *this;
    }

private:
    emscripten::class_<C> class_;
    size_t index_ = 0;
};

// A group of the core's named numbers, given to the page by constants().
[[gnu::noinline]] inline void Constants(const char* group,
                                        std::initializer_list<std::pair<const char*, int32_t>> values) {
    Registered().constants.push_back({group, values});
}

inline emscripten::val ConstantValues() {
    emscripten::val out = emscripten::val::object();
    for (const auto& [group, values] : Registered().constants) {
        emscripten::val g = emscripten::val::object();
        for (const auto& [name, value] : values) g.set(name, value);
        out.set(group, g);
    }
    return out;
}

// The first bad argument of the call in progress ("" while none), taken by
// the wrapper that throws it.
inline std::string& ArgumentError() {
    static std::string error;
    return error;
}

[[gnu::noinline]] inline bool Refuse(const std::string& message) {
    if (ArgumentError().empty()) ArgumentError() = message;
    return false;
}

inline std::string NumberText(double x) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", x);
    return text;
}

// A whole number from the page (a JavaScript number, which embind would
// wrap into 32 bits unchecked) between lo and hi.
[[gnu::noinline]] inline std::optional<int32_t> Whole(double x, const char* what, int32_t lo, int32_t hi) {
    if (std::isfinite(x) && x == std::floor(x) && x >= lo && x <= hi) return static_cast<int32_t>(x);
    Refuse(std::string(what) + " must be a whole number from " + std::to_string(lo) + " to " + std::to_string(hi) +
           ", not " + NumberText(x));
    return std::nullopt;
}

// The length of a JavaScript array of at most most elements.
[[gnu::noinline]] inline std::optional<size_t> ArrayLength(const emscripten::val& array, const char* what, size_t most) {
    if (!array.isArray()) {
        Refuse(std::string(what) + " must be an array");
        return std::nullopt;
    }
    const double n = array["length"].as<double>();
    if (n > static_cast<double>(most)) {
        Refuse(std::string(what) + " may hold at most " + std::to_string(most) + " entries, not " + NumberText(n));
        return std::nullopt;
    }
    return static_cast<size_t>(n);
}

[[gnu::noinline]] inline std::optional<std::vector<std::string>> Texts(const emscripten::val& array, const char* what, size_t most) {
    const auto n = ArrayLength(array, what, most);
    if (!n) return std::nullopt;
    std::vector<std::string> out;
    out.reserve(*n);
    for (size_t i = 0; i < *n; ++i) {
        const emscripten::val item = array[i];
        if (!item.isString()) {
            Refuse(std::string(what) + " must hold texts only; entry " + std::to_string(i) + " is not one");
            return std::nullopt;
        }
        out.push_back(item.as<std::string>());
    }
    return out;
}

[[gnu::noinline]] inline std::optional<std::vector<int32_t>> Wholes(const emscripten::val& array, const char* what, size_t most,
                                                  int32_t lo, int32_t hi) {
    const auto n = ArrayLength(array, what, most);
    if (!n) return std::nullopt;
    std::vector<int32_t> out;
    for (size_t i = 0; i < *n; ++i) {
        const emscripten::val item = array[i];
        const auto w = Whole(item.isNumber() ? item.as<double>() : NAN, what, lo, hi);
        if (!w) return std::nullopt;
        out.push_back(*w);
    }
    return out;
}

// An object the page supplies with every method the core calls on it.
inline bool IsObject(const emscripten::val& v) {
    const std::string type = v.typeOf().as<std::string>();
    return (type == "object" && !v.isNull()) || type == "function";
}

[[gnu::noinline]] inline bool HasMethods(const emscripten::val& object, const char* what, std::initializer_list<const char*> methods) {
    if (!IsObject(object)) return Refuse(std::string(what) + " must be an object");
    for (const char* m : methods)
        if (object[m].typeOf().as<std::string>() != "function")
            return Refuse(std::string(what) + " has no method " + m);
    return true;
}

// What is declared, for checking the module against it: each function's and
// each class method's number of arguments, by name.
inline emscripten::val DeclaredNames() {
    using emscripten::val;
    val functions = val::object();
    for (const Declaration& f : Registered().functions) functions.set(f.name, f.params.size());
    val classes = val::object();
    for (const auto& [name, methods] : Registered().classes) {
        val c = val::object();
        for (const Declaration& m : methods) c.set(m.name, m.params.size());
        classes.set(name, c);
    }
    val out = val::object();
    out.set("functions", functions);
    out.set("classes", classes);
    val problems = val::array();
    for (const std::string& p : Registered().problems) problems.call<void>("push", p);
    out.set("problems", problems);
    return out;
}

// The declarations as a TypeScript module.
inline std::string DeclarationsText(const std::string& preamble) {
    const Registry& r = Registered();
    auto signature = [](const Declaration& d) {
        std::string s = "(";
        for (size_t i = 0; i < d.params.size() && i < d.types.size(); ++i)
            s += (i ? ", " : "") + d.params[i] + ": " + d.types[i]();
        return s + ")";
    };
    std::string out = preamble;
    for (const auto& [name, fields] : r.records) {
        out += "export interface " + name + " {\n";
        for (const Declaration& f : fields) out += "  " + f.name + ": " + f.result() + ";\n";
        out += "}\n\n";
    }
    out += "export interface Constants {\n";
    for (const auto& [group, values] : r.constants) {
        out += std::string("  ") + group + ": {";
        for (const auto& [name, value] : values) out += std::string(" readonly ") + name + ": number;";
        out += " };\n";
    }
    out += "}\n\n";
    for (const auto& [name, methods] : r.classes) {
        out += "export interface " + name + " {\n";
        for (const Declaration& m : methods)
            if (m.result) out += "  " + m.name + signature(m) + ": " + m.result() + ";\n";
        out += "  delete(): void;\n}\n\n";
    }
    out += "export interface CoreBinding {\n";
    for (const Declaration& f : r.functions) out += "  " + f.name + signature(f) + ": " + f.result() + ";\n";
    for (const auto& [name, methods] : r.classes)
        for (const Declaration& m : methods)
            if (!m.result) out += "  " + name + ": new " + signature(m) + " => " + name + ";\n";
    out += "}\n";
    return out;
}

}  // namespace typed
