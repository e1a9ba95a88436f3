#pragma once

class Application;
class QWidget;
struct ReadingField;

// Reading action, step 4: the profile of CurrentSign into the reading window, which is created hidden if need be,
// and the sign's asana frame made visible. An unknown sign fills nothing.
void FillSignProfile(Application& app);

// Reading action, step 5: the constitution of the element that lblConstitutionType shows.
void FillConstitution(Application& app);

// Puts one value into the window's control of that name; false when there is no such control.
bool writeReadingField(QWidget* window, const ReadingField& field);
