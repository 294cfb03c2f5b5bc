// A stand-in Show-Me audit component for the tests: it records one finding
// and the run markers in the truckload's dictionary, as the component must.
// Built with SHOW_ME_FAILS it records the run markers and then fails.
#include "auditors/shipping_paper/show_me_audit.h"

#include "dravlen.h"

namespace {

class RecordingAudit final : public velmora::IShowMeAudit {
public:
    int32_t RunAudit(Engine *engine) override
    {
        Load *load = GetLoad_Engine(engine);
        SetValue_Vehicle(load, "ShowMeHasBeenRun", "1");
        SetValue_Vehicle(load, "ShowMeChanged", "1");
#ifdef SHOW_ME_FAILS
        return -2147467259;   // a failure status, after part of the work
#else
        SetValue_Vehicle(load, "savedShowMeVersion", "1.5");
        SetValue_Vehicle(load, "ShowMeViolation0", "172.504(a)|Placard missing|front|1||1|");
        SetValue_Vehicle(load, "NumShowMeViolations", "1");
        return 0;
#endif
    }
    void Release() override { delete this; }
};

} // namespace

extern "C" __attribute__((visibility("default"))) velmora::IShowMeAudit *velmora_create_show_me_audit(void)
{
    return new RecordingAudit;
}
