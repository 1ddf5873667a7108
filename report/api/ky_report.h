#pragma once
// The report component's public interface, for hosts: create
// "Ky_Qm_NEWRPD.RPD" through ky::com::ComponentRuntime, query IRPD, advise
// an IRPDEvents sink, hand over record sets and the template.

#include "report/api/rpd_interface.h"
#include "report/data/record_set.h"
#include "report/data/record_set_stream.h"
#include "report/data/rpd_record_set.h"
#include "report/data/string_builder.h"
#include "platform/byte_stream.h"
#include "platform/com_error.h"
#include "platform/component_runtime.h"
