#include "browser/ScriptMessage.h"

#include <json/json.h>

#include <memory>

namespace browser {

int ScriptMessage::IntArg(size_t index) const {
  if (index >= args.size()) return 0;
  const int* value = std::get_if<int>(&args[index]);
  return value ? *value : 0;
}

std::string ScriptMessage::TextArg(size_t index) const {
  if (index >= args.size()) return std::string();
  const std::string* value = std::get_if<std::string>(&args[index]);
  return value ? *value : std::string();
}

bool ParseScriptMessage(const std::string& json, ScriptMessage& message) {
  Json::Value root;
  std::string errors;
  const std::unique_ptr<Json::CharReader> reader(Json::CharReaderBuilder().newCharReader());
  if (!reader->parse(json.data(), json.data() + json.size(), &root, &errors) || !root.isObject() ||
      !root["name"].isString() || !root["args"].isArray())
    return false;
  message.name = root["name"].asString();
  message.args.clear();
  for (const auto& arg : root["args"]) {
    const std::string type = arg.isObject() && arg["t"].isString() ? arg["t"].asString() : "";
    const Json::Value& value = arg.isObject() ? arg["v"] : Json::Value();
    if (type == "i" && value.isInt()) message.args.emplace_back(value.asInt());
    else if (type == "d" && value.isNumeric()) message.args.emplace_back(value.asDouble());
    else if (type == "b" && value.isBool()) message.args.emplace_back(value.asBool());
    else if (type == "s" && value.isString()) message.args.emplace_back(value.asString());
    else message.args.emplace_back(std::string());
  }
  return true;
}

}  // namespace browser
