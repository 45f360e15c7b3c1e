#include "core/AppStateBase.h"

AppStateBase* AppStateBase::sCurrent = nullptr;
