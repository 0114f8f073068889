#include "automation/channel_requests.h"

#include <algorithm>

#include "kernel/text.h"

namespace platform::automation {
namespace {

std::string window_name(WindowHandle hwnd) { return "window " + handle_text(hwnd); }

Reply bad_request(const Fields& request) {
  return Reply::error(Failure::BadRequest, "malformed request '" + join_fields(request) + "'");
}

bool owns(Target& target, WindowHandle hwnd) {
  for (const WindowInfo& top : target.top_level_windows()) {
    if (top.hwnd == hwnd) return true;
    auto children = target.controls(top.hwnd);
    if (std::any_of(children.begin(), children.end(), [&](const WindowInfo& w) { return w.hwnd == hwnd; }))
      return true;
  }
  return false;
}

// The control of `id` in `parent`: a visible one first, since the pages of a sheet may repeat ids.
const WindowInfo* control_of(const std::vector<WindowInfo>& controls, uint32_t id) {
  const WindowInfo* hidden = nullptr;
  for (const WindowInfo& w : controls) {
    if (w.id != id) continue;
    if (w.visible) return &w;
    if (!hidden) hidden = &w;
  }
  return hidden;
}

Reply done_or_refused(bool done, const std::string& what) {
  return done ? Reply::ok() : Reply::error(Failure::Refused, what);
}

// A list box's items, or the one of that text selected as a click would.
Reply list_box_action(Target& target, const Fields& request, WindowHandle list, const std::string& name) {
  std::optional<std::vector<ListItem>> items = target.list_items(list);
  if (!items) return Reply::error(Failure::Refused, name + " is not a list box");
  if (request[0] == "items") {
    std::vector<Fields> records;
    for (size_t i = 0; i < items->size(); ++i)
      records.push_back({std::to_string(i), (*items)[i].text, (*items)[i].selected ? "1" : "0"});
    return Reply::ok(std::move(records));
  }
  const std::string& wanted = request[3];
  if (std::none_of(items->begin(), items->end(), [&](const ListItem& item) { return item.text == wanted; }))
    return Reply::error(Failure::NotFound, name + " has no item '" + wanted + "'");
  return done_or_refused(target.select_item(list, text::utf16(wanted)), name + " cannot be used (hidden or disabled)");
}

// Requests that act on a control named by its window and id.
Reply control_action(Target& target, const Fields& request, WindowHandle hwnd) {
  auto id = parse_number(request[2]);
  if (!id) return bad_request(request);
  auto controls = target.controls(hwnd);
  const WindowInfo* control = control_of(controls, *id);
  if (!control)
    return Reply::error(Failure::NotFound, window_name(hwnd) + " has no control " + std::to_string(*id));
  std::string name = "control " + std::to_string(*id) + " of " + window_name(hwnd);
  if (request[0] == "click") return done_or_refused(target.click(control->hwnd), name + " cannot be clicked (hidden or disabled)");
  if (request[0] == "hover") return done_or_refused(target.hover(control->hwnd), name + " is hidden");
  if (request[0] == "tip") {
    std::optional<std::u16string> tip = target.tip(control->hwnd);
    if (!tip) return Reply::error(Failure::NotFound, "no tooltip shows for " + name);
    return Reply::ok({{text::utf8(*tip)}});
  }
  if (request[0] == "items" || request[0] == "select") return list_box_action(target, request, control->hwnd, name);
  return done_or_refused(target.type_text(control->hwnd, text::utf16(request[3])),
                         name + " does not take text (disabled)");
}

// The window menu's item of that text, picked as a click would.
Reply system_menu_pick(Target& target, WindowHandle hwnd, const std::string& item) {
  switch (target.pick_system_menu(hwnd, text::utf16(item))) {
    case MenuPick::picked: return Reply::ok();
    case MenuPick::no_item:
      return Reply::error(Failure::NotFound, window_name(hwnd) + " has no window menu item '" + item + "'");
    case MenuPick::disabled:
      return Reply::error(Failure::Refused, "the window menu item '" + item + "' of " + window_name(hwnd) + " is disabled");
    case MenuPick::no_window: break;
  }
  return Reply::error(Failure::Refused, window_name(hwnd) + " is not a top-level window");
}

}  // namespace

Reply handle_request(Target& target, const ProcessIdentity& self, const Fields& request) {
  const std::string& verb = request.at(0);
  size_t arity = request.size() - 1;
  if (verb == "process" && arity == 0) return Reply::ok({{std::to_string(self.pid), self.program}});
  if (verb == "windows" && arity == 0) {
    std::vector<Fields> records;
    for (const WindowInfo& w : target.top_level_windows()) records.push_back(window_record(w));
    return Reply::ok(std::move(records));
  }

  static const std::pair<const char*, size_t> kWindowVerbs[] = {{"owns", 0},  {"controls", 0}, {"type", 2}, {"click", 1},
                                                                {"hover", 1}, {"tip", 1}, {"key", 1},   {"close", 0},    {"screenshot", 1},
                                                                // the window menu and the caption buttons
                                                                {"sysmenu", 1}, {"minimize", 0}, {"restore", 0},
                                                                // list boxes
                                                                {"items", 1}, {"select", 2}};
  auto known = std::find_if(std::begin(kWindowVerbs), std::end(kWindowVerbs),
                            [&](const auto& v) { return verb == v.first; });
  if (known == std::end(kWindowVerbs)) return Reply::error(Failure::BadRequest, "unknown request '" + verb + "'");
  auto hwnd = arity >= 1 ? parse_handle(request[1]) : std::nullopt;
  if (!hwnd || arity != known->second + 1) return bad_request(request);
  if (!owns(target, *hwnd)) return Reply::error(Failure::NotFound, "no " + window_name(*hwnd));

  if (verb == "owns") return Reply::ok();
  if (verb == "controls") {
    std::vector<Fields> records;
    for (const WindowInfo& w : target.controls(*hwnd)) records.push_back(window_record(w));
    return Reply::ok(std::move(records));
  }
  if (verb == "type" || verb == "click" || verb == "hover" || verb == "tip" || verb == "items" || verb == "select")
    return control_action(target, request, *hwnd);
  if (verb == "key") {
    auto key = parse_number(request[2]);
    if (!key || *key > 0xFF) return bad_request(request);
    return done_or_refused(target.press_key(*hwnd, uint16_t(*key)), window_name(*hwnd) + " takes no keys");
  }
  if (verb == "close") return done_or_refused(target.close(*hwnd), window_name(*hwnd) + " cannot be closed");
  // The window menu and the caption buttons.
  if (verb == "sysmenu") return system_menu_pick(target, *hwnd, request[2]);
  if (verb == "minimize" || verb == "restore")
    return done_or_refused(target.system_command(*hwnd, verb == "minimize" ? SC_MINIMIZE : SC_RESTORE),
                           window_name(*hwnd) + " is not a top-level window");
  return done_or_refused(target.screenshot(*hwnd, request[2]),
                         "cannot save " + window_name(*hwnd) + " as " + request[2]);
}

}  // namespace platform::automation
