#pragma once

// Which link a telegram came over: the record walk keeps idle fillers only
// from wireless telegrams.
enum TMBusType { mtWired, mtWireless };
