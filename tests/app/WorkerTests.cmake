# worker tests
