#pragma once
// The user's number format, from the same locale data as the trainer's window.
#include "locale/LocaleNumberFormat.h"
