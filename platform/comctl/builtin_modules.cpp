// The rich edit control's DLLs: loading either registers its window classes.
#include "comctl/rich_edit.h"
#include "kernel/builtin_modules.h"

namespace platform::comctl {
namespace {

const modules::Builtin riched20(u"riched20", {}, register_rich_edit_classes);
const modules::Builtin msftedit(u"msftedit", {}, register_rich_edit_classes);

}  // namespace
}  // namespace platform::comctl
