#include "model/Application.hpp"
#include "qt/StudioWindow.hpp"

int main() { return vantor::model::Application::Create({"DejaVu Sans"}) ? 0 : 1; }
