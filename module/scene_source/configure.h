#pragma once

class XElement;

// The configure callback: binds the source, sends its settings, shows the
// companion's form and, when the user saved, measures the base size.
bool ConfigureTextSource(XElement* element, bool creating);

// Measures DefaultHintText in the element's font and writes the result as
// "baseSizeCX"/"baseSizeCY" (at least 32 each, the height at least the size).
void MeasureBaseSize(XElement* element);
