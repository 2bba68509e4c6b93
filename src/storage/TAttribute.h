// One name/value pair of an XML element.
#pragma once

#include <memory>
#include <string>

class TAttribute {
  public:
    std::string name;
    std::string value; // without its quotes

    static std::shared_ptr<TAttribute> Create(const std::string& name, const std::string& value) {
        auto attribute = std::make_shared<TAttribute>();
        attribute->name = name;
        attribute->value = value;
        return attribute;
    }
};
