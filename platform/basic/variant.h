#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <variant>

// The Basic Variant, reduced to the kinds the program stores.
namespace basic {

// The values double as the type tags of the variant record.
enum class VariantType : std::uint16_t { Empty = 0, Integer = 2, Long = 3, Double = 5, String = 8 };

class Variant {
public:
    Variant() = default;  // Empty
    explicit Variant(std::int16_t value) : value_(value) {}
    explicit Variant(std::int32_t value) : value_(value) {}
    explicit Variant(double value) : value_(value) {}
    explicit Variant(std::string value) : value_(std::move(value)) {}
    explicit Variant(const char* value) : value_(std::string(value)) {}

    VariantType type() const;
    bool isEmpty() const { return type() == VariantType::Empty; }
    bool isString() const { return type() == VariantType::String; }
    // A number, or a text that reads entirely as one (blanks around allowed).
    bool isNumeric() const;

    // Numbers as they are, texts by Val, Empty as 0.
    double toDouble() const;
    // Texts as they are, numbers by CStr, Empty as "".
    std::string toText() const;

    // Same kind and same value (an Integer 5 is not a Long 5).
    friend bool operator==(const Variant&, const Variant&) = default;

private:
    std::variant<std::monostate, std::int16_t, std::int32_t, double, std::string> value_;
};

}  // namespace basic
