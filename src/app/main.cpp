// Program entry: the game takes no options; everything it needs sits beside it.
int main() { return 0; }
