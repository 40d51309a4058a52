# One case runs a new keyboard's first connection once per store write in a child
# process, each killed at its write, and the next start after each: several
# starts of the device page in a row.
set_tests_properties(tst_devicepagestore PROPERTIES TIMEOUT 300)
