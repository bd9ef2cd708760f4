// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The core's types and texts that the front ends name: generator steps, rows,
// plans, run results and statuses, list layouts, progress. The window and
// tollwick-batch include this and the session's own headers, never the core's
// headers one by one, so the session stays the one way into the core.
#include "generators/GenerationPass.h"
#include "generators/GeneratorRegistry.h"
#include "generators/GeneratorSample.h"
#include "generators/RemovedChars.h"
#include "generators/StepChecks.h"
#include "generators/Steps.h"
#include "rename/NameList.h"
#include "rename/Progress.h"
#include "rename/RenameList.h"
#include "rename/Row.h"
#include "rename/Run.h"
#include "rename/RunPlan.h"
#include "rename/StepStopped.h"
#include "rename/Undo.h"
