#include "core/AppState.h"

AppStateBase* AppStateBase::sCurrent = nullptr;
