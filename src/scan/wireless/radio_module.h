#pragma once

// The radio module the gateway carries. It decides the datagram layout of a
// received frame: a Telit module appends two bytes, a Radiocrafts module one.
enum TRadioModule { rmTelit, rmRadioCrafts };
