# cmake -DCATALOGUE=<deviceCatalogue.json> -DOUTPUT=<rules file> -P generate-udev-rules.cmake
#
# Gives the logged-in user (TAG+="uaccess") read and write access to:
# - the configuration interface of every model the catalogue lists, over the
#   cable and through the receiver: only the hidraw node below the USB interface
#   whose number the catalogue names (configInterface). The keyboard's other
#   interfaces carry the keystrokes; opening them would let any process of the
#   user read what is typed, around the desktop's input isolation;
# - the firmware-update modes (bootloaders), which type nothing: their hidraw
#   nodes and their USB devices.
# Never a rule for every keyboard. The interface number comes from udev's usb_id
# builtin (ID_USB_INTERFACE_NUM), since a rule's ATTRS keys must all match on
# one device and the ids and the interface number live on two.
# sysfs writes the ids in lower-case hex and udev compares case-sensitively,
# hence the lowering. TAG+="uaccess" needs a file number below 73.
if(NOT CATALOGUE OR NOT OUTPUT)
  message(FATAL_ERROR "CATALOGUE and OUTPUT must be given")
endif()
file(READ ${CATALOGUE} json)

set(rules "# Generated from the device catalogue at build time; do not edit.\n")
string(APPEND rules "# Gives the logged-in user read and write access to the configuration interface\n")
string(APPEND rules "# of the supported keyboards (the USB interface named below, not the interfaces\n")
string(APPEND rules "# that carry keystrokes) and to their firmware-update modes.\n")

function(hex_id out text what)
  string(TOLOWER "${text}" lowered)
  if(NOT lowered MATCHES "^[0-9a-f][0-9a-f][0-9a-f][0-9a-f]$")
    message(FATAL_ERROR "${what}: '${text}' is not 4 hex digits")
  endif()
  set(${out} ${lowered} PARENT_SCOPE)
endfunction()

macro(add_rule subsystem vid pid)
  if(${subsystem} STREQUAL "usb")
    string(APPEND rules "SUBSYSTEM==\"usb\", ATTR{idVendor}==\"${vid}\", ATTR{idProduct}==\"${pid}\", TAG+=\"uaccess\"\n")
  else()
    string(APPEND rules "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"${vid}\", ATTRS{idProduct}==\"${pid}\", TAG+=\"uaccess\"\n")
  endif()
endmacro()

# The hidraw node of one USB interface of a keyboard: usb_id reads the interface
# number of the node's USB interface into its properties, then the rule matches.
macro(add_interface_rule vid pid interface)
  string(APPEND rules "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"${vid}\", ATTRS{idProduct}==\"${pid}\", ")
  string(APPEND rules "IMPORT{builtin}=\"usb_id\"\n")
  string(APPEND rules "SUBSYSTEM==\"hidraw\", ENV{ID_VENDOR_ID}==\"${vid}\", ENV{ID_MODEL_ID}==\"${pid}\", ")
  string(APPEND rules "ENV{ID_USB_INTERFACE_NUM}==\"${interface}\", TAG+=\"uaccess\"\n")
endmacro()

string(JSON model_count LENGTH "${json}" models)
if(model_count EQUAL 0)
  message(FATAL_ERROR "the catalogue lists no models")
endif()
math(EXPR last "${model_count} - 1")
foreach(i RANGE ${last})
  string(JSON name GET "${json}" models ${i} modelName)
  string(JSON vid_text GET "${json}" models ${i} vid)
  string(JSON cable_text GET "${json}" models ${i} cablePid)
  string(JSON receiver_text ERROR_VARIABLE no_receiver GET "${json}" models ${i} receiverPid)
  string(JSON interface_number ERROR_VARIABLE no_interface GET "${json}" models ${i} configInterface)
  if(no_interface OR NOT interface_number MATCHES "^[0-9]+$" OR interface_number GREATER 255)
    message(FATAL_ERROR "${name} configInterface: '${interface_number}' is not an interface number")
  endif()
  # sysfs writes bInterfaceNumber as two hex digits.
  math(EXPR interface_number "${interface_number}" OUTPUT_FORMAT HEXADECIMAL)
  string(REGEX REPLACE "^0x" "" interface_number "${interface_number}")
  string(TOLOWER "0${interface_number}" interface_number)
  string(REGEX MATCH "..$" interface_number "${interface_number}")
  hex_id(vid "${vid_text}" "${name} vid")
  hex_id(cable "${cable_text}" "${name} cablePid")
  string(APPEND rules "# ${name}: configuration interface ${interface_number}\n")
  add_interface_rule(${vid} ${cable} ${interface_number})
  if(NOT no_receiver AND NOT receiver_text STREQUAL "")
    hex_id(receiver "${receiver_text}" "${name} receiverPid")
    add_interface_rule(${vid} ${receiver} ${interface_number})
  endif()
endforeach()

string(JSON boot_count ERROR_VARIABLE no_boot LENGTH "${json}" bootloaders)
if(NOT no_boot AND boot_count GREATER 0)
  math(EXPR last "${boot_count} - 1")
  foreach(i RANGE ${last})
    string(JSON name GET "${json}" bootloaders ${i} name)
    string(JSON vid_text GET "${json}" bootloaders ${i} vid)
    string(JSON pid_text GET "${json}" bootloaders ${i} pid)
    hex_id(vid "${vid_text}" "${name} vid")
    hex_id(pid "${pid_text}" "${name} pid")
    string(APPEND rules "# ${name}\n")
    add_rule(hidraw ${vid} ${pid})
    add_rule(usb ${vid} ${pid})
  endforeach()
endif()

# Write only on change, so the build does not redo what depends on the file.
if(EXISTS ${OUTPUT})
  file(READ ${OUTPUT} old)
endif()
if(NOT old STREQUAL rules)
  file(WRITE ${OUTPUT} "${rules}")
endif()
