// placeholder, filled in below
int main() {
    return 0;
}
