// The Show-Me audit component's interface.  The component is a shared
// library beside the program ("showmeaudit": libshowmeaudit.so) that exports
// the C entry point below; the program asks it for one audit object, runs it
// on the main window's engine record and releases it.
//
// What the component must leave behind is the truckload's Show-Me state in
// the Load's dictionary (SetValue_Vehicle): "ShowMeHasBeenRun",
// "savedShowMeVersion", "NumShowMeViolations" with "ShowMeViolation0" ..
// "ShowMeViolation<n-1>" (citation|description|detail|enabled|unit|oos|
// citation override) and "ShowMeChanged" ("1" when it changed the
// truckload).  It runs in the program's process, on the program's thread,
// and reaches the truckload only through dravlen's exported functions.
#pragma once

#include <cstdint>

struct Engine;

namespace velmora {

class IShowMeAudit {
public:
    // Audits the truckload of `engine` (the program's own record, passed as
    // a full pointer).  0 on success; any other status is a failure, which
    // the program reports.  The state recorded before a failure stays.
    virtual int32_t RunAudit(Engine *engine) = 0;
    // Ends the object's life; the program calls it once after the run.
    virtual void Release() = 0;

protected:
    ~IShowMeAudit() = default;
};

} // namespace velmora

// The entry point: a new audit object (released with its Release()), or null
// when the component cannot run.
extern "C" {
typedef velmora::IShowMeAudit *(*VelmoraCreateShowMeAudit)(void);
}
#define VELMORA_SHOW_ME_ENTRY "velmora_create_show_me_audit"
#define VELMORA_SHOW_ME_LIBRARY "showmeaudit"
