#include "app/ui/calculator_document.h"
