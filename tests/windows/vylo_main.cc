// A stand-in for the host program: only its name and version resource matter.
int main() { return 0; }
