# GUI tests
