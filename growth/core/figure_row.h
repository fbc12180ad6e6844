// The printed row of figures lives beside the page model, which lays out every printed table.
#pragma once

#include "app/core/printout.h"
