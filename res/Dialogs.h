#pragma once

#include "Resources.h"

#include <span>

std::span<const DialogTemplate> DialogTemplates();
